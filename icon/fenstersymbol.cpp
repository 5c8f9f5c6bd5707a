#include "fenstersymbol.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtDebug>

// From bare pixels: decoding a PNG would load every image format plugin, a noticeable part of
// the console's start-up.
QIcon fensterSymbol()
{
    constexpr int groesse = 48;
    const QString name = QStringLiteral(":/symbol/morvanto-48.rgba");
    const QByteArray punkte = QResource(name).uncompressedData();
    if (punkte.size() != groesse * groesse * 4) {
        qWarning("Fenstersymbol %s fehlt oder ist beschädigt", qPrintable(name));
        return QIcon();
    }
    const QImage bild(reinterpret_cast<const uchar *>(punkte.constData()), groesse, groesse,
                      QImage::Format_RGBA8888_Premultiplied);
    return QIcon(QPixmap::fromImage(bild)); // the pixmap copies the pixels
}
