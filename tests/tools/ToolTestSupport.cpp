#include "ToolTestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <stdexcept>

ToolRun RunTool(const QStringList& arguments, const std::function<void()>& inChild)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(STARLOOM_SIM), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000)) {
        run.err = QStringLiteral("starloom-sim did not finish: ") + process.errorString();
        return run;
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    return run;
}

std::vector<std::int32_t> ReadIntPlane(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.toStdString());
    const QByteArray bytes = in.readAll();
    if (bytes.size() != qsizetype(Width) * Height * 4)
        throw std::runtime_error(file.toStdString() + " has the wrong size");
    std::vector<std::int32_t> values(std::size_t(Width) * Height);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = qFromLittleEndian<std::int32_t>(bytes.constData() + 4 * i);
    return values;
}

QMap<QString, QByteArray> FolderContents(const QString& dir)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        contents[path] = it.fileInfo().isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>");
    }
    return contents;
}
