#include "ui/ImportPreview.h"

#include <QLabel>
#include <QPixmap>

void showImportPreview(QLabel& preview, const QImage& image)
{
    // Transparent pixels show the preview's own background, as a picture box does.
    QPalette palette = preview.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    preview.setPalette(palette);
    preview.setAutoFillBackground(true);
    preview.setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QSize visible = image.size();
    if (const QWidget* window = preview.parentWidget())
        visible = visible.boundedTo(QSize(window->width() - preview.x(), window->height() - preview.y()));
    preview.setPixmap(QPixmap::fromImage(image.copy(QRect(QPoint(0, 0), visible))));
    preview.resize(image.size());
    preview.raise();
    preview.show();
}
