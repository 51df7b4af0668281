#pragma once

#include "game_ready_batch.h"

#include <memory>
#include <vector>

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kelvane {

class AttributeEditor;

// Makes game sounds: audio files (WAV, AIFF, FLAC, Ogg) imported into a folder with the block
// chosen, or sounds the game refuses encoded again in their places. The sources, the target
// folder, the quality, mono or the channels kept, and the block; then a progress bar with Cancel.
// It closes once every source is done, with what was made.
class ImportDialog final : public QDialog
{
    Q_OBJECT

public:
    // Imports `sources` (files, or folders whose sources keep their paths below them) into
    // `folder`.
    ImportDialog(const QStringList &sources, const QString &folder, Backup backup, QWidget *parent);
    // Encodes the sounds of `inPlace` again where they are, each keeping its block.
    ImportDialog(std::vector<GameReadyJob> inPlace, Backup backup, QWidget *parent);
    ~ImportDialog() override;

    // What became of each source, once the dialog has ended.
    [[nodiscard]] const std::vector<MadeSound> &made() const { return made_; }
    // The first sound written, or empty.
    [[nodiscard]] QString firstWritten() const;

    void reject() override;

private:
    ImportDialog(Backup backup, QWidget *parent);
    void buildSources(QWidget *parent);
    void buildEncoding(QWidget *parent);
    void buildBlock(QWidget *parent);
    void addSources(const QStringList &paths);
    void chooseSources();
    void chooseFolder();
    void chooseLikeSound();
    void typeChosen();
    [[nodiscard]] std::vector<GameReadyJob> importJobs() const;
    [[nodiscard]] std::optional<GameReadySettings> settings();
    // Running (import_dialog_run.cpp)
    void start();
    void poll();
    void finish();

    // Components.
    QListWidget *lstSources = nullptr;
    QPushButton *btnAddSources = nullptr;
    QPushButton *btnRemoveSources = nullptr;
    QLineEdit *txtTargetFolder = nullptr;
    QPushButton *btnTargetFolder = nullptr;
    QDoubleSpinBox *spnQuality = nullptr;
    QCheckBox *cbxOwnQuality = nullptr; // in place: each sound keeps its quality
    QRadioButton *rbMono = nullptr;
    QRadioButton *rbKeepChannels = nullptr;
    QGroupBox *grpBlock = nullptr;
    QPushButton *btnLikeSound = nullptr;
    QCheckBox *cbxOwnBlock = nullptr;
    QProgressBar *prgImport = nullptr;
    QLabel *lblImportStatus = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
    QPushButton *btnStartImport = nullptr;

    // State.
    AttributeEditor *editor_ = nullptr;
    std::vector<std::pair<QString, QString>> sources_; // each source and the folder it came with
    std::vector<GameReadyJob> inPlace_;
    Backup backup_;
    std::unique_ptr<GameReadyBatch> batch_;
    QTimer *poll_ = nullptr;
    std::vector<MadeSound> made_;
};

} // namespace kelvane
