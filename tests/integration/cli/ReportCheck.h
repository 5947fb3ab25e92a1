// The hosts' run reports, kept as files and checked against the schema when a test ends.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

// check-report.py says where a report breaks the schema.
class Reports {
public:
    QString Next()
    {
        m_files << m_folder.filePath(QString::number(m_files.size()) + ".json");
        return m_files.last();
    }
    void Keep(const QByteArray& json)
    {
        QFile file(Next());
        file.open(QIODevice::WriteOnly);
        file.write(json);
    }
    std::string Problems() const
    {
        QProcess check;
        check.start("python3", QStringList{CHECK_REPORT} + m_files);
        check.waitForFinished(60000);
        return check.exitCode() == 0 && !m_files.isEmpty() ? "" : check.readAllStandardOutput().toStdString();
    }

private:
    QTemporaryDir m_folder;
    QStringList m_files;
};

