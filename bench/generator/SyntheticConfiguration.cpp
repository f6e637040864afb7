#include "SyntheticConfiguration.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace merix::bench {

namespace {

std::string word(int i) {
    return "word" + std::to_string(i);
}

std::string digits(int value, int width) {
    std::string s = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))),
                       '0') +
           s;
}

class CatalogWriter {
  public:
    explicit CatalogWriter(const std::filesystem::path& dir) : m_dir(dir) {}
    void write(const char* name, const std::string& text) {
        std::ofstream(m_dir / name, std::ios::binary) << text;
        m_bytes += text.size();
    }
    std::size_t bytes() const { return m_bytes; }

  private:
    std::filesystem::path m_dir;
    std::size_t m_bytes = 0;
};

std::string list(const char* title, int count, auto line) {
    std::string text = std::string(title) + "\r\n" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i)
        text += line(i) + "\r\n";
    return text;
}

constexpr int kWords = 500;

class ThrowingPrompter : public Prompter {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
    bool ask(const std::string&) override { return false; }
};

} // namespace

std::size_t writeSyntheticCatalogs(const std::filesystem::path& dir, const SyntheticSize& size) {
    CatalogWriter out(dir);
    out.write("userdflt.cfg",
              "Defaults\r\n0;mode\r\n2;clearance\r\n3;digits\r\n#;down code\r\n1;predial\r\n"
              "polite readback/always dial;a\r\nno readback;b\r\nnone;c\r\n0;d\r\n");
    out.write("timers.cfg", list("Timers", 20, [](int i) {
                  return "Timer" + std::to_string(i) + ",Timer," + std::to_string(i) +
                         ",30,255,A timer";
              }));
    out.write("messages.cfg", list("Messages", size.messages, [&](int i) {
                  std::string text;
                  for (int w = 0; w < size.wordsPerMessage; ++w) {
                      if (w)
                          text += ' ';
                      text += word((i * 7 + w) % kWords);
                  }
                  return "Message" + std::to_string(i) + ",Message," + digits(i % 1000, 3) +
                         ",Voice,NOCOMMAND,000," + text + ",A spoken message";
              }));
    out.write("dvr.cfg",
              list("DVR", 10, [](int i) { return "Track" + std::to_string(i) + ",A track"; }));
    out.write("users.cfg", list("Users", size.users, [](int i) {
                  std::string line = "Usr";
                  line += digits(i, 4);
                  line += ",User,The user in slot ";
                  line += std::to_string(i);
                  return line;
              }));
    out.write("io.cfg", list("IO", 20, [](int i) {
                  return std::string(i % 2 ? "Input" : "Analog") + std::to_string(i) + ",Point," +
                         std::to_string(i) + "," + std::to_string(i / 2) +
                         ",Volts,1,-50,100,A point";
              }));
    out.write("commands.cfg", list("Commands", size.commands, [](int i) {
                  return "Cmd" + digits(i, 4) + digits(i % 1000, 3) + ",Command,NAME" +
                         std::to_string(i % 1000) + ",3,What the command does";
              }));
    out.write("macros.cfg", list("Macros", size.macros, [](int i) {
                  return "Macro" + digits(i, 4) + ",Macro,What the macro does";
              }));
    out.write("schedule.cfg", list("Scheduler", 100, [](int i) {
                  return "Schedule" + digits(i % 100, 2) + ",Event,A scheduled event";
              }));
    out.write("beep.cfg", list("Beeps", 50, [](int i) {
                  return "Beep" + std::to_string(i) + ",Beep," + std::to_string(150 + i) +
                         ",100,440,0,50:100,880,0,50:0,0,0,0:0,0,0,0:0,0,0,0:A beep";
              }));
    std::string tones = "Tones\r\nTones,Tones";
    for (int p = 0; p < 8; ++p)
        tones += ",20,800,0:";
    tones += "210,100,1000,1200,20:211,2000,440,480,4000:";
    for (int p = 0; p < 8; ++p)
        tones += "50,60:";
    for (int p = 0; p < 8; ++p)
        tones += "1000,0:";
    out.write("tones.cfg", tones + "The tones\r\n");
    std::string misc = "Misc\r\n8\r\n";
    for (int p = 1; p <= 8; ++p)
        misc += "DTMFMute=1\r\nCoverTone=0\r\nBypass=0\r\nCORPolarity=0\r\nPLPolarity="
                "0\r\nPasswordSystem=1\r\n"
                "AccessMode=Carrier\r\nPreaccess=2\r\nDialTone=1\r\nAccessCode=123\r\nIDOnOff=1\r\n"
                "IDRandRotating=0\r\nChaining=1\r\nTimedExecution=0\r\nForceExecutionDigit=*"
                "\r\nDescription=Port\r\n";
    out.write("misc.cfg", misc);
    out.write("access.cfg", "Access\r\n2\r\nCarrier,0\r\nPL,1\r\n");
    out.write("wordlist.cfg", list("Words", kWords + 36, [](int i) {
                  if (i < kWords)
                      return word(i) + "," + std::to_string(1000 + i);
                  const char c = i - kWords < 26 ? static_cast<char>('A' + i - kWords)
                                                 : static_cast<char>('0' + i - kWords - 26);
                  return std::string(1, c) + "," + std::to_string(i);
              }));
    out.write("cw.cfg", list("CW", 26, [](int i) {
                  return std::string(1, static_cast<char>('A' + i)) + "," + digits(i, 2);
              }));
    return out.bytes();
}

void fillSyntheticValues(ConfigDocument& doc, const SyntheticSize& size) {
    for (MacroEntry& m : doc.macros) {
        m.lines.clear();
        m.lines.reserve(static_cast<std::size_t>(size.linesPerMacro));
        for (int l = 0; l < size.linesPerMacro; ++l)
            m.lines.push_back({std::to_string(l * 7 % 1000), "1 2 3"});
    }
    int i = 0;
    for (UserEntry& u : doc.users) {
        u.name = "Name" + std::to_string(i);
        u.callSign = "KA" + std::to_string(i % 10) + "XYZ";
        u.autodialNumber = "(555) 123-" + digits(i % 10000, 4);
        u.password = digits(i, 4);
        u.enabled = 1;
        ++i;
    }
    for (ScheduleEvent& e : doc.events) {
        e.commandNumber = "036";
        e.period = 2;
        e.dayName = "Friday";
    }
}

std::size_t writeSyntheticSet(const std::filesystem::path& dir, ConfigDocument& doc,
                              const SyntheticSize& size) {
    const std::size_t catalogBytes = writeSyntheticCatalogs(dir, size);
    ThrowingPrompter prompter;
    doc.setStartupDirectory(dir.string());
    if (!loadCatalogs(doc, prompter))
        throw std::runtime_error("the synthetic catalogs do not load");
    doc.setDocumentPath((dir / kSyntheticDocument).string());
    fillSyntheticValues(doc, size);

    writeDocumentFile(doc, (dir / kSyntheticReference).string());
    doc.timers[3].length = 99;
    doc.macros[4000].lines[5].parameters = "9 9";
    doc.users[1500].callSign = "W1AW";
    doc.ports[2].Chaining = 0;
    writeDocumentFile(doc, doc.documentPath());
    return catalogBytes;
}

} // namespace merix::bench
