// The sound table's editor: the fields to set in every selected sound, read and checked as the
// window's boxes are, and the Apply that hands them to the table's jobs.
#include "attribute_rules.h"
#include "field_words.h"
#include "game_sound_types.h"
#include "kelvane_version.h"
#include "message_words.h"
#include "number_text.h"
#include "sound_table_editor.h"
#include "sound_table_jobs.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "widget_making.h"

#include <array>

#include <QComboBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

namespace kelvane {

namespace {

QLineEdit *editBox(QWidget *parent, const FieldRow &field)
{
    auto *box = named(new QLineEdit(parent), qPrintable(fieldControlName("txtMany", field)));
    box->setPlaceholderText(SoundTablePanel::tr("unchanged"));
    box->setMinimumWidth(70);
    return box;
}

} // namespace

void SoundTablePanel::buildEditor(QWidget *parent)
{
    auto *editor = named(new QFrame(parent), "pnlManyEdit");
    auto *grid = new QGridLayout(editor);
    grid->setContentsMargins(0, 0, 0, 0);
    cmbManyType = named(new QComboBox(editor), "cmbManyType");
    cmbManyType->addItem(tr("(unchanged)"));
    for (const GameSoundType &type : GameSoundTypes)
        cmbManyType->addItem(QString::fromLatin1(type.name.data(), qsizetype(type.name.size())));
    const auto label = [&](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, editor);
        l->setBuddy(buddy);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    grid->addWidget(label(fieldLabel(fieldRow(AttributeField::Type)), cmbManyType), 0, 0);
    grid->addWidget(cmbManyType, 0, 1, 1, 3);
    // The first number beside the type, the others three to a row below it; each labelled as
    // its column.
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        const FieldRow &field = kNumberFields[i];
        txtMany[i] = editBox(editor, field);
        const int row = i == 0 ? 0 : 1 + int(i - 1) / 3;
        const int column = i == 0 ? 4 : 2 * (int(i - 1) % 3);
        const QString heading = model_
                                    ->headerData(SoundTableModel::columnOf(field.field),
                                                 Qt::Horizontal, Qt::DisplayRole)
                                    .toString();
        grid->addWidget(label(heading, txtMany[i]), row, column);
        grid->addWidget(txtMany[i], row, column + 1);
    }
    btnApplyMany = named(new QPushButton(tr("Apply to Selected"), editor), "btnApplyMany");
    btnApplyMany->setToolTip(tr("Sets the filled-in fields in every selected sound; each sound "
                                "keeps its own value of a field left empty"));
    grid->addWidget(btnApplyMany, 0, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    connect(btnApplyMany, &QPushButton::clicked, this, &SoundTablePanel::applyToSelected);
    layout()->addWidget(editor);
}

std::optional<AttributeEdits> SoundTablePanel::readEdits()
{
    AttributeEdits edits;
    if (cmbManyType->currentIndex() > 0)
        edits.gameType = gameTypeCode(std::size_t(cmbManyType->currentIndex() - 1));
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        QLineEdit *box = txtMany[i];
        std::optional<float> &member = edits.*kNumberFields[i].edit;
        if (box->text().trimmed().isEmpty())
            continue;
        member = parseNumber(box->text(), userDecimalSeparator());
        if (!member) {
            const QString notValid = notValidNumberText();
            Q_EMIT status(notValid);
            QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), notValid,
                        QMessageBox::Ok, this)
                .exec();
            box->setFocus();
            return std::nullopt;
        }
    }
    const SoundAttributes probe = edits.probe();
    if (const auto broken = firstRuleBroken(probe)) {
        const Message rule = ruleText(*broken);
        Q_EMIT status(translated(rule));
        txtMany[std::size_t(*broken) - 1]->setFocus(); // the number fields follow the type
        return std::nullopt;
    }
    return edits;
}

void SoundTablePanel::applyToSelected()
{
    if (busy())
        return;
    const auto edits = readEdits();
    if (!edits)
        return;
    if (!edits->any()) {
        Q_EMIT status(tr(" Fill in what to set; an empty field keeps each sound's own value."));
        return;
    }
    std::vector<EditTarget> targets;
    // A row's edits not yet written go with the fields filled in here.
    for (const int id : cells_->selectedIds()) {
        const ScannedSound &row = model_->listed(id);
        targets.push_back({row.path, row.identity,
                           model_->pendingOf(id).value_or(AttributeEdits{}).then(*edits)});
    }
    if (targets.empty()) {
        Q_EMIT status(tr(" Select the sounds to change first."));
        return;
    }
    write(std::move(targets));
}

void SoundTablePanel::write(std::vector<EditTarget> targets)
{
    undo_->clear(); // what is written is no longer an edit to undo
    prgWork->setRange(0, int(targets.size()));
    prgWork->setValue(0);
    showProgress(true);
    Q_EMIT status(tr(" Writing %n sound(s)", nullptr, int(targets.size())));
    jobs_->edit(std::move(targets), backups_() ? Backup::IfAbsent : Backup::None);
}

} // namespace kelvane
