#pragma once

#include "attribute_fields.h"
#include "game_rules.h"
#include "message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include <QList>
#include <QObject>

class QAction;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace kelvane {

// The block's five fields in the single view: the type list and the four number boxes with
// their labels, at their places in the attribute panel. The one place the boxes are parsed.
class AttributeEditor final : public QObject
{
    Q_OBJECT

public:
    explicit AttributeEditor(QWidget *panel);
    // The same controls as rows of `form` (a dialog's), with their labels.
    AttributeEditor(QWidget *panel, QFormLayout *form);

    // A box whose text breaks its field's rule, the first in screen order.
    struct Refusal
    {
        QLineEdit *box = nullptr;
        Message rule;            // the field's rule, as the status line states it
        bool notANumber = false; // the text is no number at all
    };
    // The values the controls hold, or why they do not make a block.
    [[nodiscard]] std::variant<SoundAttributes, Refusal> read() const;
    // The number a box holds as typed so far; none while it holds no number.
    [[nodiscard]] std::optional<float> typed(AttributeField field) const;
    // The type code the list stands for now (a code the list does not hold is kept as shown).
    [[nodiscard]] std::uint32_t typeCode() const { return typeCode_; }

    // Shows a block's values; the user has changed nothing by it.
    void show(const SoundAttributes &values);
    // Empties the controls, as a user would: each box says it changed.
    void clear();
    void setEnabled(bool enabled);
    // Marks what the game does with the values shown: a warning sign in each distance box the
    // game stops on (its tip says why), and beside an unlisted type.
    void setWarnings(const std::vector<GameWarning> &warnings);

    [[nodiscard]] QComboBox *typeList() const { return typeList_; }
    [[nodiscard]] QLineEdit *box(AttributeField field) const;
    // The type list, then the boxes, in screen order.
    [[nodiscard]] QList<QWidget *> controls() const;

Q_SIGNALS:
    // The user typed into a box or chose a type.
    void changed(QWidget *control);

private:
    QComboBox *typeList_ = nullptr;
    std::array<QLineEdit *, kNumberFields.size()> boxes_{};
    // The boxes' marks, made when a box first needs one: each is a small button inside the box,
    // and making them and finding the picture are a good part of the window's start.
    std::array<QAction *, kNumberFields.size()> marks_{};
    std::uint32_t typeCode_ = 0;
    bool showing_ = false; // show() fills the controls
};

} // namespace kelvane
