#include "screens/TextViewer.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace merix {

namespace {

// A transcript of a day-long session fits; a runaway file does not take the memory.
constexpr qint64 kLargestShown = 32 * 1024 * 1024;

} // namespace

TextViewer::TextViewer(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)),
      m_close(new QPushButton(QStringLiteral("&Close"), this)) {
    setWindowTitle(caption);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);
    m_text->setMinimumSize(640, 420);
    m_close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* all = new QVBoxLayout(this);
    all->addWidget(m_text);
    all->addLayout(buttons);
    connect(m_close, &QPushButton::clicked, this, &TextViewer::accept);
}

std::optional<QString> readTextFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (path.empty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(file.read(kLargestShown));
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace merix
