#pragma once

#include <QStringList>

namespace merix {

// The program's profile settings: a recent-file list of four entries, loaded at start. No
// menu shows it and nothing adds to it, so it is kept only for the settings it came with.
class ProfileSettings {
  public:
    static constexpr int kRecentFiles = 4;
    void load();
    const QStringList& recentFiles() const { return m_recent; }

  private:
    QStringList m_recent;
};

} // namespace merix
