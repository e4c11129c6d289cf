// QOR_TRVSL10 — verification of carpentry step joints ("dente") of timber trusses
// at the ultimate limit state (DM 14/01/2008).
//
// The only header a caller includes. Standard library only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Ordered collection numbered from 1, held by shared reference.
template <class T>
class Collezione {
public:
    int Count() const { return static_cast<int>(elementi_.size()); }

    std::shared_ptr<T> Item(int posizione) const {
        controlla(posizione);
        return elementi_[static_cast<std::size_t>(posizione - 1)];
    }

    // Appends at the end.
    void Add(std::shared_ptr<T> elemento) { elementi_.push_back(std::move(elemento)); }

    // Later items move down by one.
    void Remove(int posizione) {
        controlla(posizione);
        elementi_.erase(elementi_.begin() + (posizione - 1));
    }

private:
    void controlla(int posizione) const {
        if (posizione < 1 || posizione > Count())
            throw std::out_of_range("Indice " + std::to_string(posizione) +
                                    " fuori dall'intervallo della collezione (1.." +
                                    std::to_string(Count()) + ")");
    }

    std::vector<std::shared_ptr<T>> elementi_;
};

// One bar meeting at a joint.
class clsAsta {
public:
    float Altezza = 0;                   // section height H, cm
    float Base = 0;                      // section width B, cm
    float area = 0;                      // cross-section area, cm² (not read by the library)
    float ModInerzia = 0;                // second moment of area, cm⁴ (not read by the library)
    float ModResistenza = 0;             // section modulus, cm³ (not read by the library)
    std::int32_t NumeroMateriale = 0;    // material record number in the archive
    std::string DescrizioneMateriale;    // material description (UTF-8); selects γM
    std::string TipoSezione;             // "Rettangolare" or "Circolare"
    float Res_Fmk = 0;                   // fm,k, N/mm²
    float Res_Ft0k = 0;                  // ft,0,k, N/mm²
    float Res_Ft90k = 0;                 // ft,90,k, N/mm²
    float Res_Fc0k = 0;                  // fc,0,k, N/mm²
    float Res_Fc90k = 0;                 // fc,90,k, N/mm²
    float Res_Fvk = 0;                   // fv,k, N/mm²
    float ModEl_0mean = 0;               // E0,mean, N/mm²
    float ModEl_05 = 0;                  // E0,05, N/mm²
    float ModEl_90 = 0;                  // E90,mean, N/mm²
    float ModEl_Gmean = 0;               // Gmean, N/mm²
    float Peso = 0;                      // characteristic density, kg/m³
    float SforzoAssiale = 0;             // axial force, kN (verifications use |N|)
    float Res_Fd = 0;                    // design strength for the axial force, N/mm² (not read by the library)
    float Res_Fc0d = 0;                  // fc,0,d, N/mm²
    float Res_Fc90d = 0;                 // fc,90,d, N/mm²
    float Res_Fvd = 0;                   // fv,d, N/mm²
    float Angolo = 0;                    // inclination of the bar axis to the horizontal, degrees
};

// One joint. Unsuffixed results belong to the first (left) inclined bar, the B ones to the
// second (right) inclined bar of the king-post joints.
class clsNodo {
public:
    bool AsteReg = false;                // bars registered: the application modifies instead of appending
    std::string TipoNodo;                // joint type name, never interpreted by the library
    std::shared_ptr<Collezione<clsAsta>> Asta = std::make_shared<Collezione<clsAsta>>();  // bars, from 1
    float tv = 0;                        // notch depth of the (first) step, cm
    float Lv = 0;                        // heel length ahead of the (first) notch, cm
    float ReazioneY = 0;                 // support reaction, kN (sign ignored; 0 = no support check)
    float LunghezzaAppoggio = 0;         // bearing length, cm (0 = no support check)
    float LAppEfficace = 0;              // effective bearing length, mm
    float tens1 = 0;                     // stress on notch face 1, N/mm²
    float tens2 = 0;                     // stress on notch face 2, N/mm²
    float tens3 = 0;                     // compression perpendicular to the grain at the support, N/mm²
    float Angolo1 = 0;                   // angle between F1 and the grain, degrees
    float Angolo2 = 0;                   // angle between F2 and the grain, degrees
    float fd1 = 0;                       // design strength at Angolo1, N/mm²
    float fd2 = 0;                       // design strength at Angolo2, N/mm²
    float fd3 = 0;                       // spare, N/mm²
    float tau = 0;                       // shear stress in the heel, N/mm²
    float fvd = 0;                       // spare, N/mm²
    float alfa = 0;                      // inclination of the loaded inclined bar, degrees
    float beta = 0;                      // inclination of notch face 2, degrees
    float Teta = 0;                      // angle between rafter and strut, degrees
    float F1 = 0;                        // force on notch face 1, N
    float F2 = 0;                        // force on notch face 2, N
    float tvB = 0;                       // notch depth of the second notch, cm
    float LvB = 0;                       // heel length of the second notch, cm
    float tens1B = 0;                    // as tens1, second inclined bar, N/mm²
    float tens2B = 0;                    // as tens2, second inclined bar, N/mm²
    float tens3B = 0;                    // spare, N/mm²
    float Angolo1B = 0;                  // as Angolo1, second inclined bar, degrees
    float Angolo2B = 0;                  // as Angolo2, second inclined bar, degrees
    float fd1B = 0;                      // as fd1, second inclined bar, N/mm²
    float fd2B = 0;                      // as fd2, second inclined bar, N/mm²
    float fd3B = 0;                      // spare, N/mm²
    float tauB = 0;                      // as tau, second notch, N/mm²
    float fvdB = 0;                      // spare, N/mm²
    float alfaB = 0;                     // as alfa, second inclined bar, degrees
    float betaB = 0;                     // as beta, second inclined bar, degrees
    float TetaB = 0;                     // spare, degrees
    float F1B = 0;                       // as F1, second inclined bar, N
    float F2B = 0;                       // as F2, second inclined bar, N
};

// How the library speaks to the user (a message box in the program): the text, and whether a
// beep comes first.
using GestoreAvvisi = std::function<void(const std::string& testo, bool beep)>;

// Arithmetic failure of a verification step: division by zero, overflow of a 32-bit float,
// invalid operation.
class ErroreCalcolo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The register of the joints of one job and the verification methods.
//
// Every verification sets Procedi to true first; it is false on return only when the method
// refused the joint with a message (zero angle, notch too deep). A joint or bar position
// outside the collections raises std::out_of_range before anything is written; an arithmetic
// failure raises ErroreCalcolo with the results written before the failing step left in place.
class clsGenVerNodi {
public:
    explicit clsGenVerNodi(GestoreAvvisi avvisi = {});  // an empty handler writes to std::cerr

    std::shared_ptr<Collezione<clsNodo>> Nodi;

    void CreaNodo(const std::string& TipoNodo);
    void AggiungiAsta(std::int16_t NNodo, std::shared_ptr<clsAsta> auxAsta);   // shares the object
    void ModificaAsta(std::int16_t NNodo, std::int16_t NAsta, const clsAsta& auxAsta);  // copies values

    void VerNodoCPDS(bool& Procedi, std::int16_t NNodo);    // tie–rafter, single step
    void VerNodoPSDS(bool& Procedi, std::int16_t NNodo);    // rafter–strut, single step
    void VerNodoMPMSDS(bool& Procedi, std::int16_t NNodo);  // king post, single steps
    void VerNodoCPDA(bool& Procedi, std::int16_t NNodo);    // tie–rafter, rear step
    void VerNodoPSDA(bool& Procedi, std::int16_t NNodo);    // rafter–strut, rear step
    void VerNodoMPMSDA(bool& Procedi, std::int16_t NNodo);  // king post, rear steps

private:
    std::shared_ptr<clsNodo> nodo(std::int16_t NNodo) const;
    void avvisa(const std::string& testo, bool beep) const;

    GestoreAvvisi avvisi_;
};
