#pragma once
// The values a picture and the link start with, and the type code of a picture variable.

#include <QString>

inline const QString kDefaultFolder = QStringLiteral("main");
inline const QString kDefaultVariable = QStringLiteral("picture");
inline const QString kDefaultComment = QStringLiteral("made with PIXORAM");

// The calculator's type code of a picture variable, handed over with every save, send and screenshot.
constexpr int kPictureVariableTypeCode = 26;

// The USB cable's port, which the link starts with.
inline const QString kDefaultPort = QStringLiteral("\\\\.\\Silver0");
