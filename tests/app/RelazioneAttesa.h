// The report of the worked tie–rafter example (C30 tie, C24 rafter, kmod 0,60, γM 1,50), as
// the reader sees it, for the tests that compose it and those that reach it through the editor.
#pragma once

#include <QString>

namespace RelazioneAttesa {

inline QString CatenaPuntone(bool conAppoggio)
{
    const QString facce = QStringLiteral(
        u" VERIFICA NODO N.1\n"
        u" Tipologia Nodo:          Catena Puntone a Dente Semplice\n"
        u" Profondità Intaglio:     tv  =  3,00 cm.\n"
        u" Lunghezza Resistente:    Lv  = 20,00 cm.\n"
        u"\n"
        u" Coefficienti Normativi:\n"
        u" Classe di Servizio: 1: T=20°C  U<65%\n"
        u" Kmod= 0,60\n"
        u" γM  = 1,50\n"
        u"\n"
        u" Aste Collegate:\n"
        u" Asta N. 1  B=10,00cm. x H=20,00cm.\n"
        u"            Materiale: Legno Massiccio C30\n"
        u"            fc0k =30,00N/mmq     fc0d =12,00N/mmq\n"
        u"            fc90k= 6,25N/mmq     fc90d= 2,50N/mmq\n"
        u"            fvk  = 6,00N/mmq     fvd  = 2,40N/mmq\n"
        u" Asta N. 2  B=10,00cm. x H=20,00cm.\n"
        u"            Materiale: Legno Massiccio C24\n"
        u"            fc0k =21,00N/mmq     fc0d = 8,40N/mmq\n"
        u"            fc90k= 2,50N/mmq     fc90d= 1,00N/mmq\n"
        u"            fvk  = 4,00N/mmq     fvd  = 1,60N/mmq\n"
        u"\n"
        u" Verifica a Compressione Inclinata rispetto le fibrature\n"
        u" Intaglio SX:   Componente di compressione F1 =  45,87 kN\n"
        u"                Angolo tra componente di compressione F1 e Fibratura: α1 =  15,00°\n"
        u"                Resistenza a compressione inclinata fcα1,d =   9,57N/mmq\n"
        u"                σ =  14,77 N/mmq  >  fcα1,d  -  NON VERIFICA\n"
        u" Intaglio DX:   Componente di compressione F2 =  13,17 kN\n"
        u"                Angolo tra componente di compressione F2 e Fibratura: α2 =  85,62°\n"
        u"                Resistenza a compressione inclinata fcα2,d =   2,51N/mmq\n"
        u"                σ =   0,33 N/mmq  <  fcα2,d\n"
        u"\n"
        u" Verifica a Taglio - tallone\n"
        u" τ =   2,17N/mmq  <  fvd\n"
        u"\n");
    const QString appoggio = QStringLiteral(
        u" Verifica Appoggio - Compressione Perpendicolare alla fibratura\n"
        u" σ =   1,38N/mmq  <  fc90d\n"
        u"\n");
    return conAppoggio ? facce + appoggio : facce;
}

}  // namespace RelazioneAttesa
