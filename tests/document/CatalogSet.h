#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace merix::test {

// A temporary folder removed with everything in it at the end of a test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "merix-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

    void write(const std::string& name, const std::string& content) const
    {
        std::ofstream(m_path / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void remove(const std::string& name) const { std::filesystem::remove(m_path / name); }

private:
    std::filesystem::path m_path;
};

// A small but complete catalog set: two entries per list, every field distinct.
inline std::map<std::string, std::string> smallCatalogs()
{
    return {
        {"userdflt.cfg", "User defaults\n1;password mode\n3;clearance\n4;digits\n#9 ;down code\n"
                         "1;predial\npolite readback/always dial;autodial\nno readback;normal\n"
                         "mute;privacy\n1;timeout\n"},
        {"timers.cfg", "Timers\n2\nTimeout Port 1,Time-out timer port 1,5,180,600,Stops long talkers\n"
                       "Hang Port 1,Hang timer,6,30,255,Tail, after the carrier drops\n"},
        {"messages.cfg", "Messages\n2\nID Port 1,Station ID,100,Voice,NOCOMMAND,050,THIS IS W1AW,The ID\n"
                         "CW ID Port 1,CW ID,101,CW,CW_ID,051,DE W1AW,The CW ID\n"},
        {"dvr.cfg", "DVR\n2\nT01,Opening, track one\nT02,Closing\n"},
        {"users.cfg", "Users\n2\nUser001,First user,The owner\nUser002,Second user,A guest\n"},
        {"io.cfg", "IO\n2\nAnalog 1,Battery,1,1,Volts,1,0,150,Battery voltage\n"
                   "Input 2,Door,2,0,,0,0,1,Door switch\n"},
        {"commands.cfg", "Commands\n2\nCommand020,Set timer,SETTIMER,7,Sets a timer\n"
                         "Command021,Say time,SAYTIME,2,Says the time\n"},
        {"macros.cfg", "Macros\n2\nMacro100,ID macro,Station ID\nMacro101,Tail macro,Tail\n"},
        {"schedule.cfg", "Schedule\n2\nSchedule01,Event 1,First\nSchedule02,Event 2,Second\n"},
        {"beep.cfg", "Beeps\n2\nBeep 1,Courtesy 1,130,10,800,900,5:11,810,910,6:12,820,920,7:"
                     "13,830,930,8:14,840,940,9:Rising\nBeep 2,Courtesy 2,131,1,2,3,4:Flat\n"},
        {"tones.cfg", "Tones\nTones,Tone setup,"
                      "20,700,0:21,701,1:22,702,2:23,703,3:24,704,4:25,705,5:26,706,6:27,707,7:"
                      "900,50,1000,1100,60:901,70,1200,1300,80:"
                      "100,110:101,111:102,112:103,113:104,114:105,115:106,116:107,117:"
                      "300,310:301,311:302,312:303,313:304,314:305,315:306,316:307,317:All tones\n"},
        {"misc.cfg", "Misc\n2\n" // port blocks of 16 lines
                     "DTMFMute=1\nCoverTone=0\nBypass=1\nCORPolarity=1\nPLPolarity=0\nPasswordSystem=1\n"
                     "AccessMode=Carrier\nPreaccess=2\nDialTone=1\nAccessCode=123\nIDOnOff=1\n"
                     "IDRandRotating=0\nChaining=1\nTimedExecution=0\nForceExecutionDigit=D\n"
                     "PortDescription=Main repeater\n"
                     "DTMFMute=0\nCoverTone=1\nBypass=0\nCORPolarity=0\nPLPolarity=1\nPasswordSystem=0\n"
                     "AccessMode=PL\nPreaccess=0\nDialTone=0\nAccessCode=\nIDOnOff=0\n"
                     "IDRandRotating=1\nChaining=0\nTimedExecution=1\nForceExecutionDigit=*\n"
                     "PortDescription=Link\n"},
    };
}

// Writes the catalogs into dir, each file with its own content.
inline void writeCatalogs(const TempDir& dir, const std::map<std::string, std::string>& files)
{
    for (const auto& [name, content] : files)
        dir.write(name, content);
}

} // namespace merix::test
