#pragma once
// The link component's variable object: one calculator variable (type code,
// full name, picture, file path) on its way to or from a file or a calculator.

#include <QImage>
#include <QString>

class CalcVariable {
public:
    void SetTypeCode(int code) { typeCode_ = code; }
    int typeCode() const { return typeCode_; }

    // Folder, one backslash, variable name.
    QString GetName() const { return name_; }
    void SetName(const QString& name) { name_ = name; }

    // Black pixels (RGB 0, 0, 0) are set; any other colour is clear.
    QImage GetPicture() const { return picture_; }
    void SetPicture(const QImage& picture) { picture_ = picture; }

    void SetFileName(const QString& path) { fileName_ = path; }
    QString fileName() const { return fileName_; }

private:
    int typeCode_ = 0;
    QString name_;
    QImage picture_;
    QString fileName_;
};
