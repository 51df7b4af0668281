// Running the dialog's work: the settings read, a question about sounds already there, the
// batch on its own thread with a progress bar and Cancel, and what failed said at the end.
#include "attribute_editor.h"
#include "import_dialog.h"
#include "message_words.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

namespace kelvane {

std::optional<GameReadySettings> ImportDialog::settings()
{
    GameReadySettings settings;
    settings.backup = backup_;
    settings.workers = std::max(1, QThread::idealThreadCount());
    settings.request.mono = rbMono->isChecked();
    if (!cbxOwnQuality->isChecked())
        settings.request.quality = float(spnQuality->value());
    if (!editor_) {
        settings.replaceExisting = true; // each sound in its own place
        return settings;
    }
    const auto read = editor_->read();
    if (const auto *refusal = std::get_if<AttributeEditor::Refusal>(&read)) {
        QMessageBox::warning(this, windowTitle(), translated(refusal->rule));
        refusal->box->setFocus();
        return std::nullopt;
    }
    settings.request.block = std::get<SoundAttributes>(read);
    settings.request.sourceBlockFirst = cbxOwnBlock->isChecked();
    return settings;
}

void ImportDialog::start()
{
    auto chosen = settings();
    if (!chosen)
        return;
    std::vector<GameReadyJob> jobs = editor_ ? importJobs() : inPlace_;
    if (jobs.empty())
        return;
    if (editor_) {
        if (txtTargetFolder->text().trimmed().isEmpty()) {
            txtTargetFolder->setFocus();
            return;
        }
        // Sounds already there are replaced only when the user says so.
        const auto there = std::count_if(jobs.begin(), jobs.end(), [](const GameReadyJob &job) {
            return QFileInfo::exists(job.target);
        });
        if (there > 0) {
            QMessageBox question(QMessageBox::Question, windowTitle(),
                                 tr("%n sound(s) of these names are in the folder already. "
                                    "Replace them?",
                                    nullptr, int(there)),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
            question.setObjectName(QStringLiteral("replaceQuestion"));
            question.setInformativeText(tr("No keeps them as they are and makes the others."));
            question.setDefaultButton(QMessageBox::No);
            const int answer = question.exec();
            if (answer == QMessageBox::Cancel)
                return;
            chosen->replaceExisting = answer == QMessageBox::Yes;
        }
    }
    for (QWidget *control : findChildren<QWidget *>())
        if (control != prgImport && control != lblImportStatus && control != buttons_ &&
            !buttons_->isAncestorOf(control) && control->parentWidget() != this)
            control->setEnabled(false);
    btnStartImport->setEnabled(false);
    prgImport->setRange(0, int(jobs.size()));
    prgImport->setValue(0);
    prgImport->show();
    lblImportStatus->setText(tr("Encoding..."));
    batch_ = std::make_unique<GameReadyBatch>(std::move(jobs), *chosen);
    poll_->start();
}

void ImportDialog::poll()
{
    const bool last = batch_->finished();
    for (MadeSound &sound : batch_->take())
        made_.push_back(std::move(sound));
    prgImport->setValue(int(batch_->encoded()));
    if (last)
        finish();
}

void ImportDialog::finish()
{
    poll_->stop();
    const bool cancelled = batch_->cancelled();
    batch_.reset();
    QStringList failures;
    for (const MadeSound &sound : made_)
        if (sound.result == MadeSound::Failed)
            failures << QDir::toNativeSeparators(sound.job.source) + QStringLiteral(": ") +
                            translated(sound.message);
    if (!failures.isEmpty()) {
        QMessageBox failed(QMessageBox::Warning, windowTitle(),
                           tr("%n sound(s) could not be made.", nullptr, int(failures.size())),
                           QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("importFailed"));
        failed.setInformativeText(failures.mid(0, 5).join(QLatin1Char('\n')));
        failed.setDetailedText(failures.join(QLatin1Char('\n')));
        failed.exec();
    }
    if (cancelled && made_.empty())
        QDialog::reject();
    else
        accept();
}

void ImportDialog::reject()
{
    // While it runs, Cancel stops it before the next source; the dialog ends once it has.
    if (batch_) {
        batch_->cancel();
        lblImportStatus->setText(tr("Stopping..."));
        return;
    }
    QDialog::reject();
}

QString ImportDialog::firstWritten() const
{
    for (const MadeSound &sound : made_)
        if (sound.result == MadeSound::Written)
            return sound.job.target;
    return {};
}

} // namespace kelvane
