#pragma once

#include <QString>
#include <QtGlobal>

// One designed window. Right and bottom are exclusive: width = Right - Left.
// The record keeps no rule between its edges; drawn windows are normalised,
// read or pasted ones are taken as they come.
class TWindowItem {
public:
    QString Name;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;
    bool Selected = false; // never stored
};
