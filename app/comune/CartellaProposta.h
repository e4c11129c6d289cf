#pragma once
#include <QString>

// The folder a file dialog opens in: the last one used when it still exists, else the user's
// Documents folder when it exists, else the home folder (a Documents folder that does not
// exist made the save fail with the path doubled onto the working folder).
QString CartellaProposta(const QString& ultima);
