// The sound table beside the stock sounds: the folder to compare with, what differs from it,
// and taking the stock values into edits not yet written.
#include "folder_or_archive_dialog.h"
#include "kelvane_version.h"
#include "sound_table_editor.h"
#include "sound_table_jobs.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "widget_making.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace kelvane {

void SoundTablePanel::buildComparison(QBoxLayout *row)
{
    btnCompare = named(new QPushButton(tr("Compare with..."), this), "btnCompare");
    btnCompare->setToolTip(tr("Pairs each sound with the sound of the same path below another "
                              "folder, such as the game's unpacked gamedata/sounds, and tints "
                              "the values that differ"));
    cmbStockFilter = named(new QComboBox(this), "cmbStockFilter");
    cmbStockFilter->addItems({tr("All sounds"), tr("Differs from stock"), tr("Only in mod")});
    btnStopComparing = named(new QPushButton(tr("Stop Comparing"), this), "btnStopComparing");
    row->addWidget(btnCompare);
    row->addWidget(cmbStockFilter);
    row->addWidget(btnStopComparing);
    cmbStockFilter->hide();
    btnStopComparing->hide();
    connect(btnCompare, &QPushButton::clicked, this, &SoundTablePanel::compareWithStock);
    connect(cmbStockFilter, &QComboBox::currentIndexChanged, this, &SoundTablePanel::refilter);
    connect(btnStopComparing, &QPushButton::clicked, this, &SoundTablePanel::stopComparing);
    connect(jobs_, &SoundTableJobs::stockEnded, this, &SoundTablePanel::stockEnded);
}

void SoundTablePanel::compareWithStock()
{
    if (busy())
        return;
    // The stock sounds are rarely the mod's: the dialog opens where they were found last time.
    QSettings remembered(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                             QStringLiteral("/kelvane.ini"),
                         QSettings::IniFormat);
    const QString lastStock = model_->comparing()
                                  ? model_->stockFolder()
                                  : remembered.value(QStringLiteral("stockFolder")).toString();
    // The stock may be an archive: the dialog opens in its folder.
    const QFileInfo last(lastStock);
    FolderOrArchiveDialog dialog(this, tr("Compare with the Stock Sounds"),
                                 lastStock.isEmpty() || !last.exists() ? folder()
                                 : last.isFile()                       ? last.path()
                                                                       : lastStock,
                                 "dlgCompare");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString stock = QDir::cleanPath(dialog.selectedFiles().constFirst());
    const QFileInfo info(stock);
    QString refusal;
    if (info.isFile() ? !info.isReadable()
                      : !info.isDir() || !info.isReadable() || !QDir(stock).isReadable())
        refusal = (info.isFile() ? tr("The archive %1 cannot be read.")
                                 : tr("The folder %1 cannot be read."))
                      .arg(QDir::toNativeSeparators(stock));
    else if (info.canonicalFilePath() == QFileInfo(folder()).canonicalFilePath())
        refusal = tr("%1 is the folder listed. Choose the stock sounds to compare it with, such "
                     "as the game's unpacked gamedata/sounds.")
                      .arg(QDir::toNativeSeparators(stock));
    if (!refusal.isEmpty()) {
        QMessageBox failed(QMessageBox::Warning, tr("Compare with the Stock Sounds"), refusal,
                           QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("compareRefused"));
        failed.exec();
        return;
    }
    remembered.setValue(QStringLiteral("stockFolder"), stock);
    model_->compareWith(stock);
    jobs_->compare(stock);
    prgWork->setRange(0, 0);
    showProgress(true);
    Q_EMIT status(tr(" Reading the stock sounds of %1").arg(QDir::toNativeSeparators(stock)));
}

void SoundTablePanel::stockEnded(bool cancelled)
{
    showProgress(false);
    const QString stock = model_->stockFolder();
    if (cancelled || model_->stockCount() == 0) {
        stopComparing();
        if (cancelled) {
            Q_EMIT status(tr(" Comparison cancelled."));
            return;
        }
        QMessageBox none(
            QMessageBox::Warning, tr("Compare with the Stock Sounds"),
            tr("%1 holds no sounds to compare with.").arg(QDir::toNativeSeparators(stock)),
            QMessageBox::Ok, this);
        none.setObjectName(QStringLiteral("compareRefused"));
        none.exec();
        return;
    }
    cmbStockFilter->show();
    btnStopComparing->show();
    btnCompare->setToolTip(tr("Compared with %1").arg(QDir::toNativeSeparators(stock)));
    refilter();
    const auto [differ, onlyInMod] = model_->stockCounts();
    Q_EMIT status(
        tr(" Compared with %1: %n sound(s) differ, %2 only in the mod.", nullptr, int(differ))
            .arg(QDir::toNativeSeparators(stock))
            .arg(onlyInMod));
}

void SoundTablePanel::stopComparing()
{
    cmbStockFilter->blockSignals(true);
    cmbStockFilter->setCurrentIndex(0);
    cmbStockFilter->blockSignals(false);
    cmbStockFilter->hide();
    btnStopComparing->hide();
    model_->stopComparing();
    refilter();
}

// The selected rows take the stock sound's values as edits not yet written.
void SoundTablePanel::takeStockValues()
{
    std::vector<std::pair<int, AttributeEdits>> wanted;
    for (const int id : cells_->selectedIds()) {
        const auto stock = model_->stockValues(model_->listed(id));
        if (!stock)
            continue;
        AttributeEdits edits;
        edits.gameType = stock->gameType;
        for (const FieldRow &field : kNumberFields)
            edits.*field.edit = (*stock).*field.number;
        wanted.emplace_back(id, edits);
    }
    if (wanted.empty()) {
        Q_EMIT status(tr(" No stock sound has the path of the selected sounds."));
        return;
    }
    const QString what = tr("stock values of %n sound(s)", nullptr, int(wanted.size()));
    sayOutcome(cells_->setEdits(std::move(wanted), what));
}

} // namespace kelvane
