// Key presses as the user types them, sent straight to a widget.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

inline void Premi(QWidget* w, int tasto, const QString& testo = QString())
{
    QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QCoreApplication::sendEvent(w, &giu);
    QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo);
    QCoreApplication::sendEvent(w, &su);
}

inline void Scrivi(QWidget* w, const QString& testo)
{
    for (QChar c : testo) {
        int tasto = c.unicode();
        if (c == QLatin1Char('.'))
            tasto = Qt::Key_Period;
        else if (c == QLatin1Char(','))
            tasto = Qt::Key_Comma;
        else if (c.isLetter())
            tasto = c.toUpper().unicode();
        Premi(w, tasto, QString(c));
    }
}

inline void Invio(QWidget* w) { Premi(w, Qt::Key_Return, QStringLiteral("\r")); }
