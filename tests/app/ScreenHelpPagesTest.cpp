#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

namespace merix {
namespace {

QString resource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every page the contents link to is in the program's resources, so no link of the manual
// leads nowhere.
TEST(ScreenHelpPagesTest, EveryPageTheContentsNameIsThere) {
    const QString index = resource(QStringLiteral(":/help/index.html"));
    ASSERT_FALSE(index.isEmpty());
    const QRegularExpression link(QStringLiteral("href=\"([a-z-]+\\.html)"));
    QStringList pages;
    for (auto it = link.globalMatch(index); it.hasNext();)
        pages << it.next().captured(1);
    EXPECT_TRUE(pages.contains(QStringLiteral("users.html")));
    EXPECT_TRUE(pages.contains(QStringLiteral("scheduler.html")));
    for (const char* page : {"tones.html", "courtesy-beeps.html", "misc-setup.html"})
        EXPECT_TRUE(pages.contains(QString::fromUtf8(page))) << page;
    EXPECT_TRUE(pages.contains(QStringLiteral("messages.html")));
    for (const QString& page : pages)
        EXPECT_FALSE(resource(QStringLiteral(":/help/") + page).isEmpty()) << page.toStdString();
}

} // namespace
} // namespace merix
