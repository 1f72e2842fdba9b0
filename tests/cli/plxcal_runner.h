// Runs the plxcal binary for the command-line tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

struct PlxcalResult {
    int status = -1;
    QByteArray out;
    QByteArray err;

    QList<QByteArray> lines() const { return out.trimmed().split('\n'); }
    // The first output line as a JSON object (empty when it is not one).
    QJsonObject json(int line = 0) const {
        return QJsonDocument::fromJson(lines().value(line)).object();
    }
};

// Runs plxcal with the given arguments and an empty settings store of its own.
inline PlxcalResult RunPlxcal(const QStringList& arguments, const QProcessEnvironment& extra = {}) {
    static QTemporaryDir config;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    for (const QString& key : extra.keys())
        env.insert(key, extra.value(key));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PLXCAL_PATH), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// A settings folder of the test's own, for runs that read and write plx/plx.ini in it.
struct PlxcalStore {
    QTemporaryDir config;
    QString path = config.filePath(QStringLiteral("plx/plx.ini"));
    QProcessEnvironment env;

    PlxcalStore() { env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path()); }

    PlxcalResult Run(const QStringList& arguments) const { return RunPlxcal(arguments, env); }
    // The file's bytes; none when there is no file.
    QByteArray Bytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
