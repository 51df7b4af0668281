#pragma once

#include "attribute_fields.h"
#include "qt_text.h"

#include <QCoreApplication>
#include <QString>

namespace kelvane {

// A field's box label and column heading in the window's language.
[[nodiscard]] inline QString fieldLabel(const FieldRow &field)
{
    return QCoreApplication::translate("FieldText", field.label);
}
[[nodiscard]] inline QString fieldHeading(const FieldRow &field)
{
    return QCoreApplication::translate("FieldText", field.heading);
}

// The field's controls' name after their kind: "txt" gives txtMinDist, "txtMany" txtManyMinDist.
[[nodiscard]] inline QString fieldControlName(const char *kind, const FieldRow &field)
{
    QString name = toQString(field.jsonKey);
    name[0] = name[0].toUpper();
    return QLatin1String(kind) + name;
}

} // namespace kelvane
