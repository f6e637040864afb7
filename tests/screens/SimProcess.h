#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merix::test {

// merix-sim as a child process on its own pseudo-terminal, logging every line it receives.
class SimProcess {
  public:
    explicit SimProcess(QStringList options = {}) {
        // The tests run from build/<preset>/tests/<layer>/, the tool lives in build/<preset>/sim/.
        const QString program =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../../sim/merix-sim");
        if (!QFileInfo::exists(program)) {
            ADD_FAILURE() << "merix-sim not built at " << program.toStdString();
            return;
        }
        m_log = m_dir.filePath(QStringLiteral("received.log"));
        options << QStringLiteral("--log") << m_log;
        m_process.start(program, options);
        if (!m_process.waitForStarted(5000) || !waitForLine()) {
            ADD_FAILURE() << "merix-sim did not start";
            return;
        }
        m_device = QString::fromUtf8(m_process.readLine()).trimmed().toStdString();
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& device() const { return m_device; }

    // Every line the controller received so far, in order (the connect's carriage return is
    // an empty line).
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return out;
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            if (line.endsWith('\n'))
                line.chop(1);
            out.push_back(line.toStdString());
        }
        return out;
    }

    // The controller goes away: the line breaks under the link.
    void stop() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }

  private:
    bool waitForLine() {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(5000))
                return false;
        }
        return true;
    }

    QTemporaryDir m_dir;
    QString m_log;
    QProcess m_process;
    std::string m_device;
};

} // namespace merix::test
