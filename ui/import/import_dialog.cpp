// The dialog's controls: the sources, the target folder, the quality, the channels and the block.
#include "import_dialog.h"

#include "attribute_editor.h"
#include "game_sound_types.h"
#include "sound_collection.h"
#include "sound_reader.h"
#include "widget_making.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kelvane {

ImportDialog::ImportDialog(Backup backup, QWidget *parent)
    : QDialog(parent)
    , backup_(backup)
{
    setObjectName(QStringLiteral("dlgImport"));
    auto *column = new QVBoxLayout(this);
    buildSources(this);
    buildEncoding(this);
    prgImport = named(new QProgressBar(this), "prgImport");
    prgImport->hide();
    lblImportStatus = named(new QLabel(this), "lblImportStatus");
    lblImportStatus->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    btnStartImport =
        named(buttons_->addButton(tr("Import"), QDialogButtonBox::AcceptRole), "btnStartImport");
    btnStartImport->setDefault(true);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ImportDialog::start);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ImportDialog::reject);
    poll_ = new QTimer(this);
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, &ImportDialog::poll);
    column->addWidget(lstSources->parentWidget());
}

ImportDialog::ImportDialog(const QStringList &sources, const QString &folder, Backup backup,
                           QWidget *parent)
    : ImportDialog(backup, parent)
{
    setWindowTitle(tr("Import Sounds"));
    buildBlock(this);
    txtTargetFolder->setText(QDir::toNativeSeparators(folder));
    addSources(sources);
    cbxOwnQuality->hide();
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->addWidget(spnQuality->parentWidget());
    column->addWidget(grpBlock);
    column->addWidget(prgImport);
    column->addWidget(lblImportStatus);
    column->addWidget(buttons_);
}

ImportDialog::ImportDialog(std::vector<GameReadyJob> inPlace, Backup backup, QWidget *parent)
    : ImportDialog(backup, parent)
{
    setWindowTitle(tr("Make Game-Ready"));
    inPlace_ = std::move(inPlace);
    for (const GameReadyJob &job : inPlace_)
        lstSources->addItem(QDir::toNativeSeparators(job.source));
    btnStartImport->setText(tr("Make Game-Ready"));
    // The sounds are fixed and stay where they are; each keeps its block.
    for (QWidget *fixed :
         {static_cast<QWidget *>(btnAddSources), static_cast<QWidget *>(btnRemoveSources),
          static_cast<QWidget *>(txtTargetFolder), static_cast<QWidget *>(btnTargetFolder)})
        fixed->hide();
    txtTargetFolder->parentWidget()->findChild<QLabel *>(QStringLiteral("lblTargetFolder"))->hide();
    lblImportStatus->setText(tr("Each sound is encoded again at 44100 Hz and keeps its block. "
                                "Encoding again loses a little quality; the sound as it was is "
                                "kept as .bak when backups are made."));
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->addWidget(spnQuality->parentWidget());
    column->addWidget(prgImport);
    column->addWidget(lblImportStatus);
    column->addWidget(buttons_);
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::buildSources(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Sources (WAV, AIFF, FLAC or Ogg):"), box), 0, 0, 1, 3);
    lstSources = named(new QListWidget(box), "lstSources");
    lstSources->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstSources->setMinimumWidth(460);
    grid->addWidget(lstSources, 1, 0, 3, 2);
    btnAddSources = named(new QPushButton(tr("Add..."), box), "btnAddSources");
    btnRemoveSources = named(new QPushButton(tr("Remove"), box), "btnRemoveSources");
    grid->addWidget(btnAddSources, 1, 2);
    grid->addWidget(btnRemoveSources, 2, 2);
    auto *targetLabel = named(new QLabel(tr("Into folder:"), box), "lblTargetFolder");
    txtTargetFolder = named(new QLineEdit(box), "txtTargetFolder");
    btnTargetFolder = named(new QPushButton(tr("Browse..."), box), "btnTargetFolder");
    grid->addWidget(targetLabel, 4, 0);
    grid->addWidget(txtTargetFolder, 4, 1);
    grid->addWidget(btnTargetFolder, 4, 2);
    connect(btnAddSources, &QPushButton::clicked, this, &ImportDialog::chooseSources);
    connect(btnRemoveSources, &QPushButton::clicked, this, [this] {
        for (QListWidgetItem *item : lstSources->selectedItems()) {
            sources_.erase(sources_.begin() + lstSources->row(item));
            delete item;
        }
    });
    connect(btnTargetFolder, &QPushButton::clicked, this, &ImportDialog::chooseFolder);
}

void ImportDialog::buildEncoding(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    spnQuality = named(new QDoubleSpinBox(box), "spnQuality");
    spnQuality->setRange(-1.0, 10.0);
    spnQuality->setDecimals(1);
    spnQuality->setSingleStep(1.0);
    spnQuality->setValue(double(kStockQuality));
    spnQuality->setToolTip(tr("Vorbis quality from -1 to 10; the stock sounds are at 5 (about "
                              "96 kbps in mono)."));
    cbxOwnQuality = named(new QCheckBox(tr("Keep each sound's quality"), box), "cbxOwnQuality");
    cbxOwnQuality->setChecked(true);
    spnQuality->setEnabled(false);
    connect(cbxOwnQuality, &QCheckBox::toggled, spnQuality,
            [this](bool own) { spnQuality->setEnabled(!own); });
    auto *quality = new QHBoxLayout;
    quality->addWidget(spnQuality);
    quality->addWidget(cbxOwnQuality, 1);
    form->addRow(tr("Quality:"), quality);
    rbMono = named(new QRadioButton(tr("Mono: a sound placed in the world"), box), "rbMono");
    rbKeepChannels = named(new QRadioButton(tr("Keep the channels: a sound in the player's head "
                                               "(music, the radio)"),
                                            box),
                           "rbKeepChannels");
    rbMono->setChecked(true);
    form->addRow(tr("Channels:"), rbMono);
    form->addRow(QString(), rbKeepChannels);
}

void ImportDialog::buildBlock(QWidget *parent)
{
    spnQuality->setEnabled(true);
    cbxOwnQuality->setChecked(false);
    grpBlock = named(new QGroupBox(tr("The block of the new sounds"), parent), "grpBlock");
    auto *form = new QFormLayout(grpBlock);
    editor_ = new AttributeEditor(grpBlock, form);
    editor_->show(defaultAttrs);
    connect(editor_, &AttributeEditor::changed, this, [this](QWidget *control) {
        if (control == editor_->typeList())
            typeChosen();
    });
    btnLikeSound = named(new QPushButton(tr("Like a Sound..."), grpBlock), "btnLikeSound");
    btnLikeSound->setToolTip(tr("The block of another sound, such as the stock sound the new one "
                                "replaces"));
    connect(btnLikeSound, &QPushButton::clicked, this, &ImportDialog::chooseLikeSound);
    cbxOwnBlock = named(new QCheckBox(tr("An Ogg source with a block keeps its own"), grpBlock),
                        "cbxOwnBlock");
    cbxOwnBlock->setChecked(true);
    form->addRow(btnLikeSound, cbxOwnBlock);
}

void ImportDialog::addSources(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo info(path);
        // A folder's sources keep their paths below it, the folder's own name first.
        const SoundCollection found =
            collectSounds({path}, true, FolderLinks::Skip, Gathered::Sources);
        const QString root = info.isDir() ? info.absolutePath() : path;
        for (const QString &source : found.files) {
            sources_.emplace_back(source, root);
            lstSources->addItem(QDir::toNativeSeparators(source));
        }
    }
    btnStartImport->setEnabled(!sources_.empty());
}

void ImportDialog::chooseSources()
{
    QFileDialog dialog(this, tr("Add Sources"));
    dialog.setObjectName(QStringLiteral("dlgAddSources"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(
        {tr("Sounds (*.wav *.wave *.aif *.aiff *.aifc *.flac *.ogg *.oga)"), tr("All files (*)")});
    if (dialog.exec() == QDialog::Accepted)
        addSources(dialog.selectedFiles());
}

void ImportDialog::chooseFolder()
{
    QFileDialog dialog(this, tr("Into Folder"), txtTargetFolder->text());
    dialog.setObjectName(QStringLiteral("dlgTargetFolder"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        txtTargetFolder->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void ImportDialog::chooseLikeSound()
{
    QFileDialog dialog(this, tr("Like a Sound"));
    dialog.setObjectName(QStringLiteral("dlgLikeSound"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Ogg Vorbis sound files (*.ogg)"), tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    // An older block gives the values the game reads from it.
    const LoadResult like = loadSoundFile(path, QFileInfo(path).fileName(),
                                          MissingBlock::UpgradeOlder, Access::FirstPages);
    if (like.refused() || like.inspection.outcome == LoadOutcome::Inserted) {
        QMessageBox::warning(this, tr("Like a Sound"),
                             tr("%1 has no block to take.").arg(QFileInfo(path).fileName()));
        return;
    }
    editor_->show(like.inspection.fileAttrs);
}

// A type with its usual values: the stock sounds of that type start the new ones.
void ImportDialog::typeChosen()
{
    if (const auto usual = usualValues(editor_->typeCode()))
        editor_->show(*usual);
}

std::vector<GameReadyJob> ImportDialog::importJobs() const
{
    const QString folder = QDir::fromNativeSeparators(txtTargetFolder->text().trimmed());
    std::vector<GameReadyJob> jobs;
    for (const auto &[source, root] : sources_)
        jobs.push_back({source, gameSoundTarget(folder, root, source), {}});
    return jobs;
}

} // namespace kelvane
