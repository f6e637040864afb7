#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace merix {

// A text file shown read-only in a fixed-width font: a command file, a transcript.
class TextViewer final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextViewer)

  public:
    TextViewer(const QString& caption, const QString& text, QWidget* parent);

    QPlainTextEdit* textView() const { return m_text; }
    QPushButton* closeButton() const { return m_close; }

  private:
    QPlainTextEdit* m_text;
    QPushButton* m_close;
};

// The file's text, up to a size a window can show; nothing when it cannot be read.
std::optional<QString> readTextFile(const std::string& path);

} // namespace merix
