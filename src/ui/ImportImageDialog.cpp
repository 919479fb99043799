#include "ui/ImportImageDialog.h"

#include "ui/Canvas.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A row of radio buttons, their ids the given values.
QHBoxLayout* radioRow(QButtonGroup* group, const QList<std::pair<QString, int>>& choices, int checked)
{
    auto* row = new QHBoxLayout;
    for (const auto& [caption, id] : choices) {
        auto* button = new QRadioButton(caption);
        group->addButton(button, id);
        button->setChecked(id == checked);
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

// A slider with its value beside it in a box the user may type into.
QHBoxLayout* sliderRow(QSlider* slider, int minimum, int maximum, int value, const QString& name)
{
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    QObject::connect(slider, &QSlider::valueChanged, box, &QSpinBox::setValue);
    QObject::connect(box, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    auto* row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(box);
    return row;
}

}  // namespace

ImportImageDialog::ImportImageDialog(const QImage& image, const ImportImageSettings& settings, QWidget* parent)
    : QDialog(parent), image_(image)
{
    setWindowTitle(QStringLiteral("Import Image"));
    createControls(settings);
    showResult();
}

void ImportImageDialog::createControls(const ImportImageSettings& settings)
{
    const ConversionOptions& options = settings.conversion;
    preview_ = new Canvas;
    preview_->setAcceptDrops(false);
    preview_->setCursor(Qt::ArrowCursor);

    size_ = new QButtonGroup(this);
    QHBoxLayout* sizeRow = radioRow(size_,
                                    {{QStringLiteral("Fit"), int(SizeMode::Fit)},
                                     {QStringLiteral("Fill"), int(SizeMode::Fill)},
                                     {QStringLiteral("Stretch"), int(SizeMode::Stretch)},
                                     {QStringLiteral("Natural"), int(SizeMode::Natural)}},
                                    int(options.size));
    rotation_ = new QComboBox;
    rotation_->setObjectName(QStringLiteral("rotation"));
    for (int degrees : {0, 90, 180, 270})
        rotation_->addItem(QStringLiteral("%1°").arg(degrees), degrees);
    rotation_->setCurrentIndex(rotation_->findData(options.rotation));
    sizeRow->insertWidget(sizeRow->count() - 1, new QLabel(QStringLiteral("Rotate clockwise:")));
    sizeRow->insertWidget(sizeRow->count() - 1, rotation_);

    method_ = new QButtonGroup(this);
    QHBoxLayout* methodRow = radioRow(method_,
                                      {{QStringLiteral("Threshold"), int(BlackWhiteMethod::Threshold)},
                                       {QStringLiteral("Floyd-Steinberg"), int(BlackWhiteMethod::FloydSteinberg)},
                                       {QStringLiteral("Ordered"), int(BlackWhiteMethod::Ordered)}},
                                      int(options.method));
    level_ = new QSlider(Qt::Horizontal);
    brightness_ = new QSlider(Qt::Horizontal);
    contrast_ = new QSlider(Qt::Horizontal);
    invert_ = new QCheckBox(QStringLiteral("Invert"));
    invert_->setChecked(options.invert);
    mode_ = new QButtonGroup(this);
    QHBoxLayout* modeRow = radioRow(
        mode_, {{QStringLiteral("Replace"), int(ImportMode::Replace)}, {QStringLiteral("Add black"), int(ImportMode::AddBlack)}},
        int(settings.mode));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Size:"), sizeRow);
    form->addRow(QStringLiteral("Black and white:"), methodRow);
    form->addRow(QStringLiteral("Level:"), sliderRow(level_, 0, 255, options.level, QStringLiteral("level")));
    form->addRow(QStringLiteral("Brightness:"),
                 sliderRow(brightness_, -100, 100, options.brightness, QStringLiteral("brightness")));
    form->addRow(QStringLiteral("Contrast:"), sliderRow(contrast_, -100, 100, options.contrast, QStringLiteral("contrast")));
    form->addRow(QString(), invert_);
    form->addRow(QStringLiteral("Mode:"), modeRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QButtonGroup* group : {size_, method_})
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                showResult();
        });
    for (QSlider* slider : {level_, brightness_, contrast_})
        connect(slider, &QSlider::valueChanged, this, &ImportImageDialog::showResult);
    connect(invert_, &QCheckBox::toggled, this, &ImportImageDialog::showResult);
    connect(rotation_, &QComboBox::currentIndexChanged, this, &ImportImageDialog::showResult);
}

ImportImageSettings ImportImageDialog::settings() const
{
    ImportImageSettings settings;
    ConversionOptions& options = settings.conversion;
    options.size = SizeMode(size_->checkedId());
    options.method = BlackWhiteMethod(method_->checkedId());
    options.level = level_->value();
    options.brightness = brightness_->value();
    options.contrast = contrast_->value();
    options.invert = invert_->isChecked();
    options.rotation = rotation_->currentData().toInt();
    settings.mode = ImportMode(mode_->checkedId());
    return settings;
}

void ImportImageDialog::showResult()
{
    const ConversionOptions options = settings().conversion;
    if (options.size != greySize_ || options.rotation != greyRotation_) {
        grey_ = greyCells(image_, options);
        greySize_ = options.size;
        greyRotation_ = options.rotation;
    }
    result_ = decideCells(grey_, options);
    preview_->showCells(result_, QRect(0, 0, kColumns, kRows));
}
