#include "tasks/setup/pointsentry.h"

#include <QList>

#include <array>
#include <optional>

namespace {

struct FieldText
{
    PointsEntry::Field field;
    const QString &text;
};

QString fieldName(PointsEntry::Field field)
{
    switch (field) {
    case PointsEntry::StartColumn: return QStringLiteral("X= точки А");
    case PointsEntry::StartRow: return QStringLiteral("Y= точки А");
    case PointsEntry::PointBColumn: return QStringLiteral("X= точки Б");
    case PointsEntry::PointBRow: break;
    }
    return QStringLiteral("Y= точки Б");
}

std::optional<qint16> cellNumber(const QString &text, int fieldSize)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value >= fieldSize)
        return std::nullopt;
    return qint16(value);
}

} // namespace

PointsReading readPointsEntry(const PointsEntry &entry, int fieldSize)
{
    PointsReading reading;
    reading.start = {-1, -1, -1};
    reading.pointB = {-1, -1};

    QList<FieldText> inUse;
    if (entry.startSet) {
        inUse.append({PointsEntry::StartColumn, entry.startColumn});
        inUse.append({PointsEntry::StartRow, entry.startRow});
    }
    if (entry.pointBSet) {
        inUse.append({PointsEntry::PointBColumn, entry.pointBColumn});
        inUse.append({PointsEntry::PointBRow, entry.pointBRow});
    }
    std::array<qint16, 4> values{-1, -1, -1, -1};
    for (const FieldText &field : inUse) {
        const std::optional<qint16> value = cellNumber(field.text, fieldSize);
        if (!value) {
            reading.badField = field.field;
            reading.error = QStringLiteral("В поле %1 должно быть целое число от 0 до %2, а введено \"%3\".")
                                .arg(fieldName(field.field))
                                .arg(fieldSize - 1)
                                .arg(field.text);
            return reading;
        }
        values[size_t(field.field)] = *value;
    }
    if (entry.startSet)
        reading.start = {values[PointsEntry::StartColumn], values[PointsEntry::StartRow], entry.startHeading};
    if (entry.pointBSet)
        reading.pointB = {values[PointsEntry::PointBColumn], values[PointsEntry::PointBRow]};
    return reading;
}

qint16 headingOfItem(int item)
{
    switch (item) {
    case 1: return 90;
    case 2: return 180;
    case 3: return 270;
    default: return 0;
    }
}
