#include "attribute_editor.h"

#include "attribute_rules.h"
#include "field_words.h"
#include "game_sound_types.h"
#include "message_words.h"
#include "number_text.h"
#include "widget_making.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

namespace kelvane {

namespace {

// Where each control stands in the panel: its label ends at x = 245, the control starts at 256.
constexpr int kLabelRight = 245;
constexpr QRect kControl(256, 0, 189, 24);

// The number fields' boxes stand in the fields' order, one every 32 pixels from here.
constexpr int kFirstBoxTop = 132;

} // namespace

AttributeEditor::AttributeEditor(QWidget *panel)
    : AttributeEditor(panel, nullptr)
{}

AttributeEditor::AttributeEditor(QWidget *panel, QFormLayout *form)
    : QObject(panel)
{
    // At their places in the single view's panel, or as the rows of a form.
    const auto place = [&](const char *labelName, const QString &label, QWidget *control, int top) {
        if (form) {
            form->addRow(named(new QLabel(label, panel), labelName), control);
            return;
        }
        labelEndingAt(panel, labelName, label, kLabelRight, top + 4);
        control->setGeometry(kControl.translated(0, top));
    };
    typeList_ = named(new QComboBox(panel), "cmbGameType");
    for (const GameSoundType &type : GameSoundTypes)
        typeList_->addItem(QString::fromLatin1(type.name.data(), qsizetype(type.name.size())));
    typeList_->setCurrentIndex(-1);
    place("lblGameSoundType", fieldLabel(fieldRow(AttributeField::Type)), typeList_, 92);
    connect(typeList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_)
            return;
        typeCode_ = gameTypeCode(static_cast<std::size_t>(std::max(index, 0)));
        Q_EMIT changed(typeList_);
    });
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        const FieldRow &field = kNumberFields[i];
        // txtBaseValue and lblBaseValue, txtMinDist and lblMinDist, ...: the field's JSON name.
        QLineEdit *box = boxes_[i] =
            named(new QLineEdit(panel), qPrintable(fieldControlName("txt", field)));
        place(qPrintable(fieldControlName("lbl", field)), fieldLabel(field), box,
              kFirstBoxTop + 32 * int(i));
        connect(box, &QLineEdit::textChanged, this, [this, box] {
            if (!showing_)
                Q_EMIT changed(box);
        });
    }
}

QLineEdit *AttributeEditor::box(AttributeField field) const
{
    return field == AttributeField::Type ? nullptr : boxes_[std::size_t(field) - 1];
}

QList<QWidget *> AttributeEditor::controls() const
{
    QList<QWidget *> all{typeList_};
    for (QLineEdit *box : boxes_)
        all << box;
    return all;
}

std::optional<float> AttributeEditor::typed(AttributeField field) const
{
    const QLineEdit *edit = box(field);
    return edit ? parseNumber(edit->text(), userDecimalSeparator()) : std::nullopt;
}

std::variant<SoundAttributes, AttributeEditor::Refusal> AttributeEditor::read() const
{
    SoundAttributes values = defaultAttrs;
    const int type = typeList_->currentIndex();
    values.gameType = gameTypeCode(type < 0 ? 0 : static_cast<std::size_t>(type));
    // In screen order, which is the fields' order: the maximum is checked against the minimum
    // read before it.
    for (const FieldRow &field : kNumberFields) {
        const std::optional<float> value = typed(field.field);
        if (!value || breaksRule(field.field, *value, values.minDist))
            return Refusal{box(field.field), ruleText(field.field), !value};
        values.*field.number = *value;
    }
    return values;
}

void AttributeEditor::show(const SoundAttributes &values)
{
    showing_ = true;
    {
        const QSignalBlocker programmatic(typeList_);
        typeList_->setCurrentIndex(static_cast<int>(gameTypeIndex(values.gameType)));
    }
    const QChar separator = userDecimalSeparator();
    for (const FieldRow &field : kNumberFields)
        box(field.field)->setText(formatNumber(values.*field.number, separator));
    showing_ = false;
    typeCode_ = values.gameType;
}

void AttributeEditor::clear()
{
    {
        const QSignalBlocker programmatic(typeList_);
        typeList_->setCurrentIndex(-1);
    }
    for (QLineEdit *box : boxes_)
        box->setText(QString());
}

void AttributeEditor::setEnabled(bool enabled)
{
    for (QWidget *control : controls())
        control->setEnabled(enabled);
}

void AttributeEditor::setWarnings(const std::vector<GameWarning> &warnings)
{
    const auto found = [&](GameWarningKind kind) {
        const auto it = std::find_if(warnings.begin(), warnings.end(),
                                     [&](const GameWarning &w) { return w.kind == kind; });
        return it == warnings.end() ? nullptr : &*it;
    };
    // The sign is looked up in the icon theme only when a warning shows it: the lookup is a good
    // part of the window's start.
    QIcon signIcon;
    const auto sign = [&] {
        if (signIcon.isNull())
            signIcon = typeList_->style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return signIcon;
    };
    const std::pair<AttributeField, GameWarningKind> marked[] = {
        {AttributeField::MaxDist, GameWarningKind::MaxDistance},
        {AttributeField::MaxAIDist, GameWarningKind::MaxAIDistance}};
    for (const auto &[field, kind] : marked) {
        const GameWarning *warning = found(kind);
        QAction *&mark = marks_[std::size_t(field) - 1];
        if (!warning && !mark)
            continue;
        if (!mark)
            mark = box(field)->addAction(sign(), QLineEdit::TrailingPosition);
        mark->setVisible(warning != nullptr);
        mark->setToolTip(warning ? translated(warning->text) : QString());
    }
    const bool unlisted = found(GameWarningKind::UnlistedType) != nullptr;
    for (int i = 0; i < typeList_->count(); ++i)
        typeList_->setItemIcon(i, unlisted && i == typeList_->currentIndex() ? sign() : QIcon());
}

} // namespace kelvane
