#pragma once
#include <QString>
#include <QStringList>

namespace ModuloTrevon {
// Opens a file, web or mail address with the desktop's associated program; failures are
// explained in a message box.
void ApriDocumento(const QString& percorso);

// The desktop opener ApriDocumento starts: the program and the arguments put before the
// target. An empty programma restores "xdg-open". Tests install a stand-in.
void ImpostaApritore(const QString& programma, const QStringList& argomentiIniziali = {});
}
