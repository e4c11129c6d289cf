#pragma once
// The text of a PDF as poppler's pdftotext extracts it, one string per page.
#include <QProcess>
#include <QString>
#include <QStringList>

inline QStringList PagineTestoPdf(const QString& percorso)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), percorso, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pagine.isEmpty() && pagine.constLast().trimmed().isEmpty())
        pagine.removeLast();   // pdftotext ends every page with a form feed
    return pagine;
}

// Runs of blanks as one space: the columns are compared by their texts.
inline QString Semplice(const QString& s) { return s.simplified(); }
