#pragma once

#include "controls/grid/GridAttributes.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

// A description block that cannot be read (cut short, or a value of an unexpected kind).
class GridDescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The byte layout of a description block: a sequence of keys, each a name (one length byte, then
// Latin-1) followed by one value. A value is either a record block (tag 10, 32-bit length, then
// little-endian records up to its end) or a list (tag 1, items, tag 0). List items are 32-bit
// integers (tag 4) or strings (tag 6, 32-bit length, UTF-8). All integers are little-endian.
class DescriptionWriter {
public:
    void BeginKey(const QString &name);
    void WriteRecordBlock(const QByteArray &records);
    void BeginList();
    void WriteInteger(int value);
    void WriteString(const QString &text);
    void EndList();
    const QByteArray &Data() const { return m_data; }

private:
    QByteArray m_data;
};

// Reads what DescriptionWriter wrote; every read raises GridDescriptionError on malformed data.
class DescriptionReader {
public:
    explicit DescriptionReader(const QByteArray &data) : m_data(data) {}
    bool AtEnd() const { return m_pos >= m_data.size(); }
    QString ReadKey();
    bool NextIsRecordBlock() const;
    QByteArray ReadRecordBlock();
    void BeginList();
    bool EndOfList(); // consumes the end tag when it is next
    int ReadInteger();
    QString ReadString();
    void SkipValue();

private:
    quint8 ReadByte();
    quint32 ReadUInt32();
    QByteArray ReadBytes(quint32 count);

    QByteArray m_data;
    qsizetype m_pos = 0;
};

// The 32-bit colour value of a persisted colour: red in the low byte, then green and blue.
int ColorToValue(QColor color);
QColor ColorFromValue(int value);

struct StoredCellText {
    int Col = 0;
    int Row = 0;
    QString Text;
};

// Writes every key whose has-data flag is set: present entries inside colCount x rowCount only,
// fonts and brushes only when modified, "Cells" only non-empty texts.
QByteArray WriteGridKeys(const GridAttributes &attributes,
                         const std::function<QString(int col, int row)> &cellText, int colCount,
                         int rowCount);

// Reads a block written by WriteGridKeys (plus the read-only colour keys) into the tables, setting
// each key's flag; the "Cells" entries are handed back for the grid to apply when loading ends.
// Unknown keys are skipped. Raises GridDescriptionError on malformed data, a list index outside
// 0..32767 (the reach of the 16-bit records) included.
void ReadGridKeys(const QByteArray &block, GridAttributes &attributes, std::vector<StoredCellText> &cells);
