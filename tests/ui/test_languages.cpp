#include "eliding_label.h"
#include "form_fixture.h"
#include "kelvane_application.h"
#include "message_words.h"
#include "range_view.h"
#include "sound_scan.h"
#include "sound_table_model.h"
#include "start_request.h"
#include "window_language.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>

using namespace kelvane;

namespace {

// Every text a user reads in the window, by control: captions, labels, hints, the status line
// and the strips after loading `sound`, the sound table's controls and its column headers.
QMap<QString, QString> textsShown(FormFixture &f, const QString &sound)
{
    QMap<QString, QString> texts;
    for (const char *name : {"btnSelectDirectory", "cbxRenameOriginals", "btnOverview", "btnHelp",
                             "btnAbout", "btnApply", "btnRevert", "btnCopy", "btnPaste"}) {
        auto *button = f.w<QAbstractButton>(name);
        texts[name] = button->text();
        texts[QString(name) + " tip"] = button->toolTip();
    }
    for (const char *name : {"lblInfo", "lblGameSoundType", "lblBaseValue", "lblMinDist",
                             "lblMaxDist", "lblMaxAIDist"})
        texts[name] = f.w<QLabel>(name)->text();
    texts["no file"] = f.w<QLabel>("pnlFileName")->text();
    f.add(sound);
    if (!f.load(sound))
        return {{"stopped at line", QString::number(__LINE__)}};
    texts["status"] = f.form->statusText();
    texts["strip"] = f.strip();
    texts["warnings"] = f.w<QLabel>("pnlGameWarnings")->toolTip();
    texts["details"] = f.w<QComboBox>("cmbInfo")->itemText(0);
    texts["length"] = f.w<QLabel>("lblDuration")->text();
    // The status a click on the range picture writes, which no start-up text shows.
    QTest::mouseClick(f.w<QToolButton>("btnRange"), Qt::LeftButton);
    auto *range = f.w<RangeView>("imgRange");
    QTest::mouseClick(range, Qt::LeftButton, {}, {range->columnOf(10), range->height() / 2});
    texts["range status"] = f.form->statusText();
    QTest::mouseClick(f.w<QToolButton>("btnRange"), Qt::LeftButton);
    f.press("btnOverview");
    for (const char *name : {"btnApplyMany", "cbxWarningsOnly", "btnCancelWork"})
        texts[name] = f.w<QAbstractButton>(name)->text();
    texts["txtFilter"] = f.w<QLineEdit>("txtFilter")->placeholderText();
    auto *table = f.w<QTableView>("tblSounds");
    if (!QTest::qWaitFor([&] { return table->model()->rowCount() == 1; }))
        return {{"stopped at line", QString::number(__LINE__)}};
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        texts[QString("column %1").arg(column)] =
            table->model()->headerData(column, Qt::Horizontal).toString();
        // No header is cut, whatever the language makes of it.
        if (table->horizontalHeader()->sectionSize(column) <
            table->horizontalHeader()->sectionSizeHint(column))
            texts[QString("column %1").arg(column)] = "cut";
    }
    // What only an action writes, less the names in it: a refused cell (a maximum of 1 below
    // the minimum of 5) and a comparison.
    f.form->activateWindow();
    if (!QTest::qWaitForWindowActive(f.form.get()))
        return {{"stopped at line", QString::number(__LINE__)}};
    table->setCurrentIndex(table->model()->index(0, SoundTableModel::MaxDist));
    QTest::keyClick(table, Qt::Key_1);
    QTest::keyClick(f.form->focusWidget(), Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return f.form->focusWidget() == table; }))
        return {{"stopped at line", QString::number(__LINE__)}};
    texts["cell refused"] = f.form->statusText().remove(sound);
    const QTemporaryDir stock;
    fixtures::copySample(sound, stock.path());
    driver::answerFileDialog(stock.path());
    f.press("btnCompare");
    if (!QTest::qWaitFor([&] { return f.w<QComboBox>("cmbStockFilter")->isVisible(); }))
        return {{"stopped at line", QString::number(__LINE__)}};
    texts["comparison"] = f.form->statusText().remove(QDir::toNativeSeparators(stock.path()));
    return texts;
}

} // namespace

class TestLanguages : public QObject, FormFixture
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        close();
        useLanguage("en");
    }

    // A refused sound's row in the table gives its reason in the window's language.
    void aRefusedRowSaysWhyInTheLanguage()
    {
        const QTemporaryDir where;
        fixtures::writeFile(QDir(where.path()).filePath("broken.ogg"), "OggS but not a sound");
        SoundTableModel model;
        model.add({scanSound(where.path(), "broken.ogg")});
        const auto why = [&] {
            return model.index(0, SoundTableModel::State).data(Qt::ToolTipRole).toString();
        };
        QVERIFY2(why().contains("Not a valid Ogg"), qPrintable(why()));
        useLanguage("ru");
        QVERIFY2(!why().contains("Not a valid") && why().contains(QChar(0x043D)), // н
                 qPrintable(why()));
    }

    // Every message reads in the window's English as on the command line, its numbers, names
    // and inner messages in their places; in Russian every one the window translates differs.
    void everyMessageIsWordedAlike()
    {
        const Message reason(MessageKind::SystemReason, {"No space left on device"});
        for (auto k = std::size_t(MessageKind::None) + 1; k <= std::size_t(kLastMessageKind); ++k) {
            const auto kind = MessageKind(k);
            const Message message(kind, {"12", "a %1.ogg"},
                                  {reason, Message(MessageKind::StateOk)});
            const std::string english = englishText(message);
            QCOMPARE(translated(message).toStdString(), english);
            const Message inner(kind, {}, {reason, Message(MessageKind::StateOk)});
            QCOMPARE(translated(inner).toStdString(), englishText(inner));
            useLanguage("ru");
            if (isTranslated(kind) && kind != MessageKind::List)
                QVERIFY2(translated(message).toStdString() != english, english.c_str());
            useLanguage("en");
        }
        // A reason inside another message loses its outer blanks.
        const Message large(MessageKind::NotGscSound, {"10485760"});
        QCOMPARE(translated(Message(MessageKind::StateRefused, {}, {large})),
                 QString("refused: File size > 10485760 bytes; not a GSC sound - it cannot be "
                         "viewed/edited."));
    }

    // English counts have their plural forms: one sound, three sounds, never "sound(s)".
    void englishCountsHaveTheirPluralForms()
    {
        useLanguage("en");
        const auto count = [](int n) {
            return QCoreApplication::translate("kelvane::SoundTablePanel",
                                               "%n sound(s) could not be restored.", nullptr, n);
        };
        QCOMPARE(count(1), QString("1 sound could not be restored."));
        QCOMPARE(count(3), QString("3 sounds could not be restored."));
    }

    // The bad checksum's message is whole at the window's first size in every language: a
    // translation too long for the strip would hide the button it names.
    void stripMessagesFitInEveryLanguage()
    {
        for (const QString &language : windowLanguages()) {
            useLanguage(language);
            QVERIFY(open());
            add("bad_checksum.ogg");
            QVERIFY(load("bad_checksum.ogg"));
            QVERIFY2(!w<kelvane::ElidingLabel>("pnlAttrStatus")->isElided(),
                     qPrintable(language + ": " + strip()));
            close();
        }
    }

    void everyTextIsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("ru") << "ru";
        QTest::newRow("uk") << "uk";
    }

    // No English is left: each text differs from the English window's and is written in
    // Cyrillic, the numbers in it kept.
    void everyTextIsInTheLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(open());
        const QMap<QString, QString> english = textsShown(*this, "stereo_block.ogg");
        close();
        useLanguage(language);
        QCOMPARE(windowLanguage(), language);
        QVERIFY(open());
        const QMap<QString, QString> shown = textsShown(*this, "stereo_block.ogg");
        QVERIFY2(english.size() > 30, qPrintable(english.values().join("|")));
        QVERIFY2(shown.size() > 1, qPrintable(shown.values().join("|")));
        QCOMPARE(shown.keys(), english.keys());
        static const QRegularExpression cyrillic("\\p{Cyrillic}");
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (it.key() == "btnCancelWork tip" || it.value().isEmpty())
                continue;
            QVERIFY2(shown[it.key()] != it.value() && shown[it.key()].contains(cyrillic),
                     qPrintable(it.key() + ": " + shown[it.key()]));
        }
        // Texts put together from parts: no English part may be left among them.
        static const QRegularExpression latin("[A-Za-z]");
        for (const char *key : {"range status", "cell refused", "comparison"})
            QVERIFY2(!shown[key].contains(latin), qPrintable(key + (": " + shown[key])));
        QVERIFY(shown["status"].contains("5156"));
        QVERIFY(shown["details"].contains("2"));
    }

    // Help opens the help file in the window's language, and the English one when there is
    // none in it.
    void theHelpIsInTheLanguage()
    {
        const QString ukrainian = QCoreApplication::applicationDirPath() + "/Kelvane_Help.uk.txt";
        fixtures::writeFile(ukrainian, "довідка");
        useLanguage("uk");
        QVERIFY(open());
        press("btnHelp");
        QCOMPARE(launcher.documents, QStringList{ukrainian});
        close();
        QFile::remove(ukrainian);
        QVERIFY(open());
        press("btnHelp");
        QVERIFY(form->statusText().endsWith(QDir::toNativeSeparators("/Kelvane_Help.txt")));
    }

    // --language chooses the language whatever the locale; a language the window does not
    // speak is bad usage.
    void theLanguageCanBeChosen()
    {
        QCOMPARE(chooseLanguage(readStartArguments({"kelvane", "--language", "uk"}, true).language),
                 QString("uk"));
        QCOMPARE(readStartArguments({"kelvane", "--language", "de"}, true).action,
                 StartRequest::BadUsage);
        useLanguage("ru");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Отмена"));
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_languages.moc"
