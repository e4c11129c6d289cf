#pragma once
#include <QString>

// What messages, lists and reports show of a value the user or a file supplied: a short
// prefix of a long text (the stored text stays whole).

// The text, or its first massimo characters followed by "…".
QString Abbreviato(const QString& testo, int massimo = 60);
