#pragma once
// The "Import Image" dialog: how an image becomes the picture's cells, with a live preview of
// the result drawn as the canvas draws the picture. OK keeps the result for the caller.

#include "import/ImageConversion.h"

#include <QDialog>
#include <QImage>

class Canvas;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSlider;

enum class ImportMode { Replace, AddBlack };

struct ImportImageSettings {
    ConversionOptions conversion;
    ImportMode mode = ImportMode::AddBlack;
};

class ImportImageDialog : public QDialog {
    Q_OBJECT
public:
    ImportImageDialog(const QImage& image, const ImportImageSettings& settings, QWidget* parent = nullptr);

    ImportImageSettings settings() const;
    // The cells the image becomes with the settings as they stand: what the preview shows.
    const PictureGrid& cells() const { return result_; }

private:
    void createControls(const ImportImageSettings& settings);
    void showResult();

    QImage image_;
    // The image scaled onto the cells once per size and rotation: the sliders only decide
    // black and white again, so the preview follows them at any image size.
    GreyCells grey_;
    SizeMode greySize_ = SizeMode::Fit;
    int greyRotation_ = -1;
    PictureGrid result_;

    Canvas* preview_ = nullptr;
    QButtonGroup* size_ = nullptr;
    QButtonGroup* method_ = nullptr;
    QSlider* level_ = nullptr;
    QSlider* brightness_ = nullptr;
    QSlider* contrast_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QComboBox* rotation_ = nullptr;
    QButtonGroup* mode_ = nullptr;
};
