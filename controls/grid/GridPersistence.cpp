#include "controls/grid/GridPersistence.h"

#include <QtEndian>
#include <limits>
#include <map>

namespace {
constexpr quint8 TagEnd = 0;
constexpr quint8 TagList = 1;
constexpr quint8 TagInteger = 4;
constexpr quint8 TagString = 6;
constexpr quint8 TagRecords = 10;

// Font style bits and pitch values of a persisted font.
constexpr int Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8;
constexpr int PitchDefault = 0, PitchFixed = 1, PitchVariable = 2;

void AppendUInt32(QByteArray &data, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
}

void AppendInt16(QByteArray &records, int value)
{
    char bytes[2];
    qToLittleEndian(static_cast<qint16>(value), bytes);
    records.append(bytes, 2);
}

int ReadInt16(const QByteArray &records, qsizetype at)
{
    return qFromLittleEndian<qint16>(records.constData() + at);
}

// A font entry: colour, height (negative: pixel size; positive: point size), name, pitch, style.
void WriteFont(DescriptionWriter &out, const TCellFont &font)
{
    const QFont &f = font.Font();
    out.WriteInteger(ColorToValue(font.Color()));
    out.WriteInteger(f.pixelSize() > 0 ? -f.pixelSize() : f.pointSize());
    out.WriteString(f.family());
    out.WriteInteger(f.fixedPitch() ? PitchFixed : PitchDefault);
    out.WriteInteger((f.bold() ? Bold : 0) | (f.italic() ? Italic : 0) | (f.underline() ? Underline : 0) |
                     (f.strikeOut() ? StrikeOut : 0));
}

void ReadFont(DescriptionReader &in, TCellFont &font)
{
    const QColor color = ColorFromValue(in.ReadInteger());
    const int height = in.ReadInteger();
    QFont f = font.Font();
    f.setFamily(in.ReadString());
    if (height < 0)
        f.setPixelSize(-height);
    else if (height > 0)
        f.setPointSize(height);
    const int pitch = in.ReadInteger();
    if (pitch != PitchDefault)
        f.setFixedPitch(pitch == PitchFixed);
    const int style = in.ReadInteger();
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    f.setStrikeOut(style & StrikeOut);
    font.SetFont(f);
    font.SetColor(color);
}

class KeyWriter {
public:
    KeyWriter(const GridAttributes &attributes, int colCount, int rowCount)
        : m_attributes(attributes), m_colCount(colCount), m_rowCount(rowCount)
    {
    }

    // Record block of (column 16 bits, row 16 bits, value 8 bits).
    template <class T> void CellRecords(const QString &key, const SparseCellTable<T> &table)
    {
        if (!m_attributes.HasData(key))
            return;
        QByteArray records;
        ForEachCell(table, [&records](int col, int row, const T &value) {
            AppendInt16(records, col);
            AppendInt16(records, row);
            records.append(static_cast<char>(value));
        });
        m_out.BeginKey(key);
        m_out.WriteRecordBlock(records);
    }

    // Record block of (index 16 bits, value 8 bits).
    template <class T> void LineRecords(const QString &key, const SparseList<T> &table, int count)
    {
        if (!m_attributes.HasData(key))
            return;
        QByteArray records;
        ForEachLine(table, count, [&records](int index, const T &value) {
            AppendInt16(records, index);
            records.append(static_cast<char>(value));
        });
        m_out.BeginKey(key);
        m_out.WriteRecordBlock(records);
    }

    // List of (column, row, entry...) for every entry `write` accepts.
    template <class T, class Write>
    void CellList(const QString &key, const SparseCellTable<T> &table, Write write)
    {
        if (!m_attributes.HasData(key))
            return;
        m_out.BeginKey(key);
        m_out.BeginList();
        ForEachCell(table, [&](int col, int row, const T &value) {
            if (!Wanted(value))
                return;
            m_out.WriteInteger(col);
            m_out.WriteInteger(row);
            write(value);
        });
        m_out.EndList();
    }

    // List of (index, entry...).
    template <class T, class Write>
    void LineList(const QString &key, const SparseList<T> &table, int count, Write write)
    {
        if (!m_attributes.HasData(key))
            return;
        m_out.BeginKey(key);
        m_out.BeginList();
        ForEachLine(table, count, [&](int index, const T &value) {
            if (!Wanted(value))
                return;
            m_out.WriteInteger(index);
            write(value);
        });
        m_out.EndList();
    }

    DescriptionWriter &Out() { return m_out; }

private:
    template <class T> static bool Wanted(const T &) { return true; }
    static bool Wanted(const TCellFont &font) { return font.Modified(); }
    static bool Wanted(const TCellBrush &brush) { return brush.Modified(); }

    template <class T, class Visit> void ForEachCell(const SparseCellTable<T> &table, Visit visit) const
    {
        for (int col = 0; col < m_colCount; ++col)
            for (int row = 0; row < m_rowCount; ++row)
                if (const T *value = table.At(col, row))
                    visit(col, row, *value);
    }

    template <class T, class Visit>
    static void ForEachLine(const SparseList<T> &table, int count, Visit visit)
    {
        for (int index = 0; index < count; ++index)
            if (const T *value = table.At(index))
                visit(index, *value);
    }

    const GridAttributes &m_attributes;
    int m_colCount;
    int m_rowCount;
    DescriptionWriter m_out;
};
} // namespace

void DescriptionWriter::BeginKey(const QString &name)
{
    const QByteArray latin = name.toLatin1();
    m_data.append(static_cast<char>(latin.size()));
    m_data.append(latin);
}

void DescriptionWriter::WriteRecordBlock(const QByteArray &records)
{
    m_data.append(static_cast<char>(TagRecords));
    AppendUInt32(m_data, static_cast<quint32>(records.size()));
    m_data.append(records);
}

void DescriptionWriter::BeginList()
{
    m_data.append(static_cast<char>(TagList));
}

void DescriptionWriter::WriteInteger(int value)
{
    m_data.append(static_cast<char>(TagInteger));
    AppendUInt32(m_data, static_cast<quint32>(value));
}

void DescriptionWriter::WriteString(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    m_data.append(static_cast<char>(TagString));
    AppendUInt32(m_data, static_cast<quint32>(utf8.size()));
    m_data.append(utf8);
}

void DescriptionWriter::EndList()
{
    m_data.append(static_cast<char>(TagEnd));
}

quint8 DescriptionReader::ReadByte()
{
    if (m_pos >= m_data.size())
        throw GridDescriptionError("Grid description ends too early");
    return static_cast<quint8>(m_data[m_pos++]);
}

QByteArray DescriptionReader::ReadBytes(quint32 count)
{
    if (count > static_cast<quint64>(m_data.size() - m_pos))
        throw GridDescriptionError("Grid description ends too early");
    const QByteArray bytes = m_data.mid(m_pos, count);
    m_pos += count;
    return bytes;
}

quint32 DescriptionReader::ReadUInt32()
{
    return qFromLittleEndian<quint32>(ReadBytes(4).constData());
}

QString DescriptionReader::ReadKey()
{
    return QString::fromLatin1(ReadBytes(ReadByte()));
}

bool DescriptionReader::NextIsRecordBlock() const
{
    return m_pos < m_data.size() && static_cast<quint8>(m_data[m_pos]) == TagRecords;
}

QByteArray DescriptionReader::ReadRecordBlock()
{
    if (ReadByte() != TagRecords)
        throw GridDescriptionError("Grid description: record block expected");
    return ReadBytes(ReadUInt32());
}

void DescriptionReader::BeginList()
{
    if (ReadByte() != TagList)
        throw GridDescriptionError("Grid description: list expected");
}

bool DescriptionReader::EndOfList()
{
    if (m_pos < m_data.size() && static_cast<quint8>(m_data[m_pos]) == TagEnd) {
        ++m_pos;
        return true;
    }
    return false;
}

int DescriptionReader::ReadInteger()
{
    if (ReadByte() != TagInteger)
        throw GridDescriptionError("Grid description: integer expected");
    return static_cast<int>(ReadUInt32());
}

QString DescriptionReader::ReadString()
{
    if (ReadByte() != TagString)
        throw GridDescriptionError("Grid description: string expected");
    return QString::fromUtf8(ReadBytes(ReadUInt32()));
}

void DescriptionReader::SkipValue()
{
    if (NextIsRecordBlock()) {
        ReadRecordBlock();
        return;
    }
    BeginList();
    while (!EndOfList()) {
        const quint8 tag = ReadByte();
        if (tag == TagInteger)
            ReadBytes(4);
        else if (tag == TagString)
            ReadBytes(ReadUInt32());
        else
            throw GridDescriptionError("Grid description: unknown list item");
    }
}

int ColorToValue(QColor color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor ColorFromValue(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

QByteArray WriteGridKeys(const GridAttributes &attributes,
                         const std::function<QString(int col, int row)> &cellText, int colCount, int rowCount)
{
    const GridTables &t = attributes.Tables();
    KeyWriter w(attributes, colCount, rowCount);
    DescriptionWriter &out = w.Out();
    const auto writeFont = [&out](const TCellFont &font) { WriteFont(out, font); };
    const auto writeBrush = [&out](const TCellBrush &brush) {
        out.WriteInteger(ColorToValue(brush.Color()));
        out.WriteInteger(brush.Style());
    };
    const auto writeColor = [&out](const QColor &color) { out.WriteInteger(ColorToValue(color)); };

    w.CellRecords("AlignCell", t.AlignCell);
    w.CellRecords("EditCell", t.EditCell);
    w.LineRecords("AlignCol", t.AlignCol, colCount);
    w.LineRecords("FixedAlignCol", t.FixedAlignCol, colCount);
    w.LineRecords("AlignRow", t.AlignRow, rowCount);
    w.LineRecords("FixedAlignRow", t.FixedAlignRow, rowCount);
    w.LineRecords("EditCol", t.EditCol, colCount);
    w.LineRecords("EditRow", t.EditRow, rowCount);
    w.CellList("HintCell", t.HintCell, [&out](const QString &hint) { out.WriteString(hint); });
    w.CellList("FontCell", t.FontCell, writeFont);
    w.LineList("FontCol", t.FontCol, colCount, writeFont);
    w.LineList("FontRow", t.FontRow, rowCount, writeFont);
    w.LineList("FontFixedCol", t.FontFixedCol, colCount, writeFont);
    w.LineList("FontFixedRow", t.FontFixedRow, rowCount, writeFont);
    w.CellList("BrushCell", t.BrushCell, writeBrush);
    w.LineList("BrushCol", t.BrushCol, colCount, writeBrush);
    w.LineList("BrushRow", t.BrushRow, rowCount, writeBrush);
    w.LineList("BrushFixedCol", t.BrushFixedCol, colCount, writeBrush);
    w.LineList("BrushFixedRow", t.BrushFixedRow, rowCount, writeBrush);
    w.CellList("SelectedColorCell", t.SelectedColorCell, writeColor);
    w.LineList("SelectedColorCol", t.SelectedColorCol, colCount, writeColor);
    w.LineList("SelectedColorRow", t.SelectedColorRow, rowCount, writeColor);
    if (attributes.HasData("Cells")) {
        out.BeginKey("Cells");
        out.BeginList();
        for (int col = 0; col < colCount; ++col)
            for (int row = 0; row < rowCount; ++row)
                if (const QString text = cellText(col, row); !text.isEmpty()) {
                    out.WriteInteger(col);
                    out.WriteInteger(row);
                    out.WriteString(text);
                }
        out.EndList();
    }
    return out.Data();
}

namespace {
using CellSetter = std::function<void(int col, int row, quint8 value)>;
using LineSetter = std::function<void(int index, quint8 value)>;

void ReadCellRecords(DescriptionReader &in, const CellSetter &set)
{
    const QByteArray records = in.ReadRecordBlock();
    for (qsizetype at = 0; at + 5 <= records.size(); at += 5)
        set(ReadInt16(records, at), ReadInt16(records, at + 2), static_cast<quint8>(records[at + 4]));
}

void ReadLineRecords(DescriptionReader &in, const LineSetter &set)
{
    const QByteArray records = in.ReadRecordBlock();
    for (qsizetype at = 0; at + 3 <= records.size(); at += 3)
        set(ReadInt16(records, at), static_cast<quint8>(records[at + 2]));
}

// A column or row index of a list entry. The record blocks address at most 16 bits of them, and a
// table grows up to its largest index, so a larger one is malformed rather than a reason to take
// gigabytes.
int ReadIndex(DescriptionReader &in)
{
    const int index = in.ReadInteger();
    if (index < 0 || index > std::numeric_limits<qint16>::max())
        throw GridDescriptionError("Grid description: index out of range");
    return index;
}

// Reads list entries of (column, row, ...) or (index, ...) until the list ends.
void ReadCellList(DescriptionReader &in, const std::function<void(int col, int row)> &readEntry)
{
    in.BeginList();
    while (!in.EndOfList()) {
        const int col = ReadIndex(in);
        readEntry(col, ReadIndex(in));
    }
}

void ReadLineList(DescriptionReader &in, const std::function<void(int index)> &readEntry)
{
    in.BeginList();
    while (!in.EndOfList())
        readEntry(ReadIndex(in));
}

void ReadBrush(DescriptionReader &in, TCellBrush &brush)
{
    const QColor color = ColorFromValue(in.ReadInteger());
    brush.SetStyle(static_cast<Qt::BrushStyle>(in.ReadInteger()));
    brush.SetColor(color);
}

TCellAlign ToAlign(quint8 value)
{
    return static_cast<TCellAlign>(value);
}
} // namespace

namespace {
void ReadKeys(const QByteArray &block, GridAttributes &a, std::vector<StoredCellText> &cells)
{
    using LineBrush = TCellBrush &(GridAttributes::*)(int);
    using LineFont = TCellFont &(GridAttributes::*)(int);
    const std::map<QString, LineBrush> lineBrushes = {{"BrushCol", &GridAttributes::BrushCol},
                                                      {"BrushRow", &GridAttributes::BrushRow},
                                                      {"BrushFixedCol", &GridAttributes::BrushFixedCol},
                                                      {"BrushFixedRow", &GridAttributes::BrushFixedRow}};
    const std::map<QString, LineBrush> lineColors = {{"ColorCol", &GridAttributes::BrushCol},
                                                     {"ColorRow", &GridAttributes::BrushRow},
                                                     {"ColorFixedCol", &GridAttributes::BrushFixedCol},
                                                     {"ColorFixedRow", &GridAttributes::BrushFixedRow}};
    const std::map<QString, LineFont> lineFonts = {{"FontCol", &GridAttributes::FontCol},
                                                   {"FontRow", &GridAttributes::FontRow},
                                                   {"FontFixedCol", &GridAttributes::FontFixedCol},
                                                   {"FontFixedRow", &GridAttributes::FontFixedRow}};
    const std::map<QString, LineSetter> lineRecords = {
        {"AlignCol", [&a](int i, quint8 v) { a.SetAlignCol(i, ToAlign(v)); }},
        {"FixedAlignCol", [&a](int i, quint8 v) { a.SetFixedAlignCol(i, ToAlign(v)); }},
        {"AlignRow", [&a](int i, quint8 v) { a.SetAlignRow(i, ToAlign(v)); }},
        {"FixedAlignRow", [&a](int i, quint8 v) { a.SetFixedAlignRow(i, ToAlign(v)); }},
        {"EditCol", [&a](int i, quint8 v) { a.SetEditCol(i, v != 0); }},
        {"EditRow", [&a](int i, quint8 v) { a.SetEditRow(i, v != 0); }}};

    DescriptionReader in(block);
    while (!in.AtEnd()) {
        const QString key = in.ReadKey();
        a.MarkHasData(key);
        if (key == "AlignCell") {
            ReadCellRecords(in, [&a](int c, int r, quint8 v) { a.SetAlignCell(c, r, ToAlign(v)); });
        } else if (key == "EditCell") {
            ReadCellRecords(in, [&a](int c, int r, quint8 v) { a.SetEditCell(c, r, v != 0); });
        } else if (auto record = lineRecords.find(key); record != lineRecords.end()) {
            ReadLineRecords(in, record->second);
        } else if (key == "HintCell") {
            ReadCellList(in, [&](int c, int r) { a.SetHintCell(c, r, in.ReadString()); });
        } else if (key == "Cells") {
            ReadCellList(in, [&](int c, int r) { cells.push_back({c, r, in.ReadString()}); });
        } else if (key == "FontCell") {
            ReadCellList(in, [&](int c, int r) { ReadFont(in, a.FontCell(c, r)); });
        } else if (auto font = lineFonts.find(key); font != lineFonts.end()) {
            ReadLineList(in, [&](int i) { ReadFont(in, (a.*font->second)(i)); });
        } else if (key == "BrushCell") {
            ReadCellList(in, [&](int c, int r) { ReadBrush(in, a.BrushCell(c, r)); });
        } else if (auto brush = lineBrushes.find(key); brush != lineBrushes.end()) {
            ReadLineList(in, [&](int i) { ReadBrush(in, (a.*brush->second)(i)); });
        } else if (key == "ColorCell") {
            ReadCellList(in,
                         [&](int c, int r) { a.BrushCell(c, r).SetColor(ColorFromValue(in.ReadInteger())); });
        } else if (auto color = lineColors.find(key); color != lineColors.end()) {
            ReadLineList(in,
                         [&](int i) { (a.*color->second)(i).SetColor(ColorFromValue(in.ReadInteger())); });
        } else if (key == "SelectedColorCell") {
            ReadCellList(
                in, [&](int c, int r) { a.SetSelectedColorCell(c, r, ColorFromValue(in.ReadInteger())); });
        } else if (key == "SelectedColorCol") {
            ReadLineList(in, [&](int i) { a.SetSelectedColorCol(i, ColorFromValue(in.ReadInteger())); });
        } else if (key == "SelectedColorRow") {
            ReadLineList(in, [&](int i) { a.SetSelectedColorRow(i, ColorFromValue(in.ReadInteger())); });
        } else {
            in.SkipValue();
        }
    }
}
} // namespace

void ReadGridKeys(const QByteArray &block, GridAttributes &attributes, std::vector<StoredCellText> &cells)
{
    try {
        ReadKeys(block, attributes, cells);
    } catch (const std::out_of_range &) {
        throw GridDescriptionError("Grid description: negative index");
    }
}
