#include "eafdokument.h"

#include "einschaetzung.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const QString typ = QStringLiteral("Kategorie");
const QString vokabular = QStringLiteral("Kategorien");
const QString sprache = QStringLiteral("deu");

qint64 ms(qint64 us)
{
    return std::max<qint64>(us, 0) / 1000;
}

// A shift may move a unit before 0, where the document has no time.
bool zeigbar(const Einheit &e)
{
    return ms(e.ende) > ms(e.beginn);
}

bool kategorieBekannt(int k)
{
    return k >= 1 && k < EinschaetzungAnzahl;
}

QString eintragId(int k)
{
    return QStringLiteral("cve_") + EinschaetzungKuerzel[k];
}

} // namespace

EafDokument::EafDokument(const std::vector<Sitzung> &sitzungen, const QStringList &namen)
    : sitzungen_(sitzungen), namen_(namen)
{
    for (const Sitzung &s : sitzungen_) {
        for (const Einheit &e : s.einheiten()) {
            if (!zeigbar(e))
                continue;
            zeiten_.push_back(ms(e.beginn));
            zeiten_.push_back(ms(e.ende));
        }
    }
    std::sort(zeiten_.begin(), zeiten_.end());
    zeiten_.erase(std::unique(zeiten_.begin(), zeiten_.end()), zeiten_.end());
}

void EafDokument::videoVerknuepfen(const QString &video, const QString &dokument)
{
    const QFileInfo v(video);
    video_ = v.absoluteFilePath();
    relativ_ = QStringLiteral("./") + QFileInfo(dokument).absoluteDir().relativeFilePath(video_);
}

QString EafDokument::text() const
{
    // Written to a string the writer leaves the encoding out; the file is UTF-8.
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QXmlStreamWriter x(&text);
    x.setAutoFormatting(true);
    x.writeStartElement(QStringLiteral("ANNOTATION_DOCUMENT"));
    x.writeAttribute(QStringLiteral("AUTHOR"), QString());
    // xsd:dateTime with the offset written out.
    const QDateTime jetzt = QDateTime::currentDateTime();
    x.writeAttribute(QStringLiteral("DATE"),
                     jetzt.toOffsetFromUtc(jetzt.offsetFromUtc()).toString(Qt::ISODate));
    x.writeAttribute(QStringLiteral("FORMAT"), QStringLiteral("3.0"));
    x.writeAttribute(QStringLiteral("VERSION"), QStringLiteral("3.0"));
    kopfSchreiben(x);
    zeitenSchreiben(x);
    ebenenSchreiben(x);
    vokabularSchreiben(x);
    x.writeEndDocument();
    return text + QLatin1Char('\n');
}

void EafDokument::kopfSchreiben(QXmlStreamWriter &x) const
{
    x.writeStartElement(QStringLiteral("HEADER"));
    x.writeAttribute(QStringLiteral("MEDIA_FILE"), QString());
    x.writeAttribute(QStringLiteral("TIME_UNITS"), QStringLiteral("milliseconds"));
    if (!video_.isEmpty()) {
        x.writeEmptyElement(QStringLiteral("MEDIA_DESCRIPTOR"));
        x.writeAttribute(QStringLiteral("MEDIA_URL"), QUrl::fromLocalFile(video_).toString());
        x.writeAttribute(
            QStringLiteral("MIME_TYPE"),
            QMimeDatabase().mimeTypeForFile(video_, QMimeDatabase::MatchExtension).name());
        x.writeAttribute(QStringLiteral("RELATIVE_MEDIA_URL"), relativ_);
    }
    qint64 annotationen = 0;
    for (const Sitzung &s : sitzungen_)
        annotationen += std::count_if(s.einheiten().begin(), s.einheiten().end(), zeigbar);
    x.writeStartElement(QStringLiteral("PROPERTY"));
    x.writeAttribute(QStringLiteral("NAME"), QStringLiteral("lastUsedAnnotationId"));
    x.writeCharacters(QString::number(annotationen));
    x.writeEndElement();
    x.writeEndElement();
}

void EafDokument::zeitenSchreiben(QXmlStreamWriter &x) const
{
    x.writeStartElement(QStringLiteral("TIME_ORDER"));
    for (const qint64 t : zeiten_) {
        x.writeEmptyElement(QStringLiteral("TIME_SLOT"));
        x.writeAttribute(QStringLiteral("TIME_SLOT_ID"), zeitId(t));
        x.writeAttribute(QStringLiteral("TIME_VALUE"), QString::number(t));
    }
    x.writeEndElement();
}

QString EafDokument::zeitId(qint64 t) const
{
    const auto i = std::lower_bound(zeiten_.begin(), zeiten_.end(), t) - zeiten_.begin();
    return QStringLiteral("ts%1").arg(i + 1);
}

void EafDokument::ebenenSchreiben(QXmlStreamWriter &x) const
{
    int id = 0;
    for (size_t i = 0; i < sitzungen_.size(); ++i) {
        x.writeStartElement(QStringLiteral("TIER"));
        x.writeAttribute(QStringLiteral("LINGUISTIC_TYPE_REF"), typ);
        x.writeAttribute(QStringLiteral("TIER_ID"), namen_.value(qsizetype(i)));
        for (const Einheit &e : sitzungen_[i].einheiten()) {
            if (!zeigbar(e))
                continue;
            x.writeStartElement(QStringLiteral("ANNOTATION"));
            x.writeStartElement(QStringLiteral("ALIGNABLE_ANNOTATION"));
            x.writeAttribute(QStringLiteral("ANNOTATION_ID"), QStringLiteral("a%1").arg(++id));
            x.writeAttribute(QStringLiteral("TIME_SLOT_REF1"), zeitId(ms(e.beginn)));
            x.writeAttribute(QStringLiteral("TIME_SLOT_REF2"), zeitId(ms(e.ende)));
            const bool bekannt = kategorieBekannt(e.kategorie);
            if (bekannt)
                x.writeAttribute(QStringLiteral("CVE_REF"), eintragId(e.kategorie));
            x.writeStartElement(QStringLiteral("ANNOTATION_VALUE"));
            if (bekannt)
                x.writeCharacters(EinschaetzungKuerzel[e.kategorie]);
            x.writeEndElement();
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEmptyElement(QStringLiteral("LINGUISTIC_TYPE"));
    x.writeAttribute(QStringLiteral("CONTROLLED_VOCABULARY_REF"), vokabular);
    x.writeAttribute(QStringLiteral("GRAPHIC_REFERENCES"), QStringLiteral("false"));
    x.writeAttribute(QStringLiteral("LINGUISTIC_TYPE_ID"), typ);
    x.writeAttribute(QStringLiteral("TIME_ALIGNABLE"), QStringLiteral("true"));
}

void EafDokument::vokabularSchreiben(QXmlStreamWriter &x) const
{
    x.writeEmptyElement(QStringLiteral("LANGUAGE"));
    x.writeAttribute(QStringLiteral("LANG_DEF"),
                     QStringLiteral("http://cdb.iso.org/lg/CDB-00138580-001"));
    x.writeAttribute(QStringLiteral("LANG_ID"), sprache);
    x.writeAttribute(QStringLiteral("LANG_LABEL"), QStringLiteral("German (deu)"));
    x.writeStartElement(QStringLiteral("CONTROLLED_VOCABULARY"));
    x.writeAttribute(QStringLiteral("CV_ID"), vokabular);
    x.writeStartElement(QStringLiteral("DESCRIPTION"));
    x.writeAttribute(QStringLiteral("LANG_REF"), sprache);
    x.writeCharacters(QStringLiteral("Die sieben Kategorien der Morvanto-Ratingkonsole"));
    x.writeEndElement();
    for (int k = 1; k < EinschaetzungAnzahl; ++k) {
        x.writeStartElement(QStringLiteral("CV_ENTRY_ML"));
        x.writeAttribute(QStringLiteral("CVE_ID"), eintragId(k));
        x.writeStartElement(QStringLiteral("CVE_VALUE"));
        x.writeAttribute(QStringLiteral("DESCRIPTION"), EinschaetzungName[k]);
        x.writeAttribute(QStringLiteral("LANG_REF"), sprache);
        x.writeCharacters(EinschaetzungKuerzel[k]);
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
}
