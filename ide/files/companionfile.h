#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vbhost {

// The binary companion of a form-shaped file (.frx, .ctx, .pgx, .dox) holds what its text
// cannot: pictures, list contents, long texts. It has no header: each record is found by the
// offset a property names ("Form1.frx":0A2C, or $"Form1.frx":0A2C for a long text), and the
// environment writes the records one after another.

// Where a picture record's picture file lies: after a 12-byte header (the size plus 8,
// "lt\0\0", the size); custom controls put a class id between the first two fields (28 bytes);
// the oldest files write the size alone (4 bytes). Nothing when the header is cut off.
struct PictureRecordLayout
{
    qsizetype dataStart = 0; // from the start of the companion
    quint32 dataSize = 0;
    qsizetype end() const { return dataStart + qsizetype(dataSize); }
};
std::optional<PictureRecordLayout> pictureRecordLayout(const QByteArray &companion, qsizetype at);

// How a record is laid out, told by the property that names it.
enum class CompanionRecordKind {
    Picture,  // Picture, Icon, DownPicture, ...; or any record with the picture header's key
    List,     // List: item count and a second 16-bit field, then each item's 16-bit length and text
    LongText, // a $ reference: a 32-bit length and the text
    Other     // ItemData, multi-line Text, custom controls' values: a layout not relied on here
};
CompanionRecordKind companionRecordKind(const QString &property, bool dollar);

// The length of the record at offset, header included, or why it cannot be taken. A picture,
// list or long text ends where its header says; a record of any other kind runs up to next,
// where the next record the document names starts (or the companion's end): carrying a few
// bytes more never harms, one less would.
struct CompanionRecordExtent
{
    qsizetype length = 0;
    QString problem; // empty when the record can be taken
};
CompanionRecordExtent companionRecordExtent(const QByteArray &companion, const QString &name,
                                            quint32 offset, CompanionRecordKind kind,
                                            qsizetype next);

// One record as it travels with copied controls.
struct CompanionRecord
{
    QString file; // as the property names it: "Form1.frx"
    quint32 offset = 0;
    QByteArray bytes; // the whole record, header included
    QString problem;  // why it could not be read; bytes is empty then
};

// A companion's contents held in memory rather than read from its file; revision changes with
// the bytes, so that what was read from them is read again.
struct HeldCompanionBytes
{
    QString name; // as the references name it: "Main.frx"
    QByteArray bytes;
    quint64 revision = 0;
};

// One property line of form-file text that names a companion record.
struct CompanionReference
{
    int line = 0;     // 0-based line of the text
    QString control;  // the name of the block it is in ("Image1")
    QString property; // "Picture"; inside a BeginProperty block, the property of that block
    QString file;     // as written: "Form1.frx"
    quint32 offset = 0;
    bool dollar = false;
    QString digits;               // the offset as written: "0A2C"
    qsizetype at = 0, length = 0; // where the reference stands in its line
};
// The references of the Begin ... End blocks of the lines; with firstBlockOnly, of the first
// block alone (a whole form file: its code and attribute lines are not properties).
QList<CompanionReference> companionReferences(const QStringList &lines,
                                              bool firstBlockOnly = false);

// A reference as the environment writes it, the offset in the hex style of like: its letter
// case, and its width when like is padded with zeros ("0800"); four digits at least otherwise,
// unless like is a short unpadded number.
QString companionReferenceText(const QString &file, quint32 offset, bool dollar,
                               const QString &like = QString());

// Text with every reference to oldName (any letter case) naming newName instead.
QString renameCompanionReferences(const QString &text, const QString &oldName,
                                  const QString &newName);

// The companion a property names ("Form1.frx", maybe with a folder and backslashes), beside the
// form's file and found without regard to letter case; the path it would have when absent.
QString companionPath(const QString &formFilePath, const QString &companionName);

} // namespace vbhost
