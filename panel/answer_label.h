#pragma once

#include <QLabel>

// A label whose answer a keyboard user can reach and a screen reader reads.
QLabel* answerLabel(const QString& accessibleName, const char* objectName = nullptr);

// "1 block", "3 blocks".
QString counted(int n, const QString& one, const QString& many);
