#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the built kelvane-cli and keeps what it printed.
struct Run
{
    int status = -1; // -1 when it did not exit normally (a crash)
    QString out;
    QString err;
};

// `environment` adds NAME=value settings to the program's environment.
inline Run cli(const QStringList &args, const QString &folder = QString(),
               const QStringList &environment = {})
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    if (!environment.isEmpty())
        process.setEnvironment(QProcess::systemEnvironment() + environment);
    process.start(QStringLiteral(KELVANE_CLI), args);
    process.waitForFinished(120'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Runs it with the fault shim preloaded, misbehaving for the files in `folder`.
inline Run cliWithFault(const QString &fault, const QString &argument, const QString &folder,
                        const QStringList &args)
{
    return cli(args, {},
               {QStringLiteral("LD_PRELOAD=" KELVANE_FAULT_SHIM),
                QStringLiteral("KELVANE_FAULT=") + fault,
                QStringLiteral("KELVANE_FAULT_ARG=") + argument,
                QStringLiteral("KELVANE_FAULT_DIR=") + folder});
}
