#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace ModuloTrevon {
// Opens a file, web or mail address with the desktop's associated program; failures are
// explained in a message box.
void ApriDocumento(const QString& percorso);

// The desktop opener ApriDocumento starts: the program and the arguments put before the
// target. An empty programma restores "xdg-open". Tests install a stand-in.
void ImpostaApritore(const QString& programma, const QStringList& argomentiIniziali = {});

// What ApriDocumento tries when the opener cannot be started at all (no xdg-open): by default
// QDesktopServices::openUrl. Tests install a stand-in; {} restores.
void ImpostaApritoreDiRiserva(std::function<bool(const QUrl&)> apri);
}
