#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the built kelvane-cli and keeps what it printed.
struct Run
{
    int status = -1; // -1 when it did not exit normally (a crash)
    QString out;
    QString err;
    QString how; // how it ended, when it did not exit normally: for failure messages
};

// `environment` adds or replaces settings of the program's environment.
inline Run cli(const QStringList &args, const QString &folder = QString(),
               const QProcessEnvironment &environment = {})
{
    // Windows ends a console program's lines with CR LF; the texts are the same.
    const auto text = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    for (int attempt = 1;; ++attempt) {
        QProcess process;
        if (!folder.isEmpty())
            process.setWorkingDirectory(folder);
        if (!environment.isEmpty()) {
            QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
            all.insert(environment);
            process.setProcessEnvironment(all);
        }
        process.start(QStringLiteral(KELVANE_CLI), args);
        const bool finished = process.waitForFinished(120'000);
        const bool normal = finished && process.exitStatus() == QProcess::NormalExit;
        Run run{normal ? process.exitCode() : -1, text(process.readAllStandardOutput()),
                text(process.readAllStandardError()),
                normal ? QString() : QStringLiteral(" [%1] ").arg(process.errorString())};
#ifdef Q_OS_WIN
        // Wine on a loaded machine now and then fails to start a process, or loses it before
        // it runs a line of ours: that is the emulator's, and such a run alone is tried again.
        if (!normal && process.error() != QProcess::Timedout && run.out.isEmpty() &&
            run.err.isEmpty() && attempt < 3) {
            qWarning("kelvane-cli did not run under Wine (%s); trying again", qPrintable(run.how));
            continue;
        }
#else
        Q_UNUSED(attempt);
#endif
        return run;
    }
}

// Runs it with the fault shim preloaded, misbehaving for the files in `folder`.
// `fault` may name several, separated by commas; `more` adds settings (KELVANE_FAULT_TARGET).
inline Run cliWithFault(const QString &fault, const QString &argument, const QString &folder,
                        const QStringList &args, const QProcessEnvironment &more = {})
{
    QProcessEnvironment shim = more;
    shim.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KELVANE_FAULT_SHIM));
    shim.insert(QStringLiteral("KELVANE_FAULT"), fault);
    shim.insert(QStringLiteral("KELVANE_FAULT_ARG"), argument);
    shim.insert(QStringLiteral("KELVANE_FAULT_DIR"), folder);
    // Under AddressSanitizer the shim comes before its runtime, which it would refuse.
    const QString sanitizer = qEnvironmentVariable("ASAN_OPTIONS");
    shim.insert(QStringLiteral("ASAN_OPTIONS"),
                (sanitizer.isEmpty() ? QString() : sanitizer + QLatin1Char(':')) +
                    QStringLiteral("verify_asan_link_order=0"));
    return cli(args, {}, shim);
}
