#ifndef EAFDOKUMENT_H
#define EAFDOKUMENT_H

#include "sitzung.h"

#include <QString>
#include <QStringList>

#include <vector>

class QXmlStreamWriter;

// The ratings as an annotation document in EAF 3.0: one time-aligned tier per session,
// named after its rater, whose annotations are the units with their category's short name,
// taken from a controlled vocabulary of the seven categories; optionally the video linked
// as the document's media.
class EafDokument
{
public:
    EafDokument(const std::vector<Sitzung> &sitzungen, const QStringList &namen);

    // The media file, linked absolutely and relative to the document's own place.
    void videoVerknuepfen(const QString &video, const QString &dokument);

    QString text() const;

private:
    void kopfSchreiben(QXmlStreamWriter &x) const;
    void zeitenSchreiben(QXmlStreamWriter &x) const;
    void ebenenSchreiben(QXmlStreamWriter &x) const;
    void vokabularSchreiben(QXmlStreamWriter &x) const;
    QString zeitId(qint64 us) const;

    const std::vector<Sitzung> &sitzungen_;
    QStringList namen_;
    std::vector<qint64> zeiten_; // every unit boundary in ms, sorted, once
    QString video_;
    QString relativ_;
};

#endif
