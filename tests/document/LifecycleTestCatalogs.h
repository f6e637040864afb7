#pragma once

#include <fstream>
#include <string>

namespace merix::test {

// A small but complete catalog set: three timers and one entry in every other list.
// Hang: default 30, maximum 255. Id: default 600, maximum 9999. Tot: default 180, maximum 999.
inline void writeTestCatalogs(const std::string& dir) {
    auto put = [&](const char* name, const std::string& text) {
        std::ofstream(dir + "/" + name, std::ios::binary) << text;
    };
    put("timers.cfg", "MERIX timers\r\n3\r\n"
                      "TimerHang,Hang Timer,5,30,255,Keeps the repeater up after a transmission\r\n"
                      "TimerId,ID Timer,6,600,9999,Time between identifications, in seconds\r\n"
                      "TimerTot,Time Out Timer,7,180,999,Longest transmission allowed\r\n");
    put("messages.cfg",
        "MERIX messages\r\n1\r\n"
        "MsgId,ID Message,500,CW,NOCOMMAND,000,W1AW,The station identification\r\n");
    put("dvr.cfg", "MERIX DVR tracks\r\n1\r\nTRACK1,First track\r\n");
    put("users.cfg", "MERIX users\r\n1\r\nUSER001,User 1,The first user\r\n");
    put("io.cfg", "MERIX inputs\r\n1\r\n"
                  "Analog1,Analog Input 1,1,1,Volts,1,-100,100,Battery voltage\r\n");
    put("commands.cfg", "MERIX commands\r\n1\r\nCOMMAND020,Set Timer,SETTIMER,7,Sets a timer\r\n");
    put("macros.cfg", "MERIX macros\r\n1\r\nMACRO500,Macro 500,The ID macro\r\n");
    put("schedule.cfg", "MERIX schedule\r\n1\r\nSchedule01,Event 1,The first event\r\n");
    put("beep.cfg", "MERIX beeps\r\n1\r\n"
                    "Beep1,Beep 1,100,10,800,0,5:10,900,0,5:0,0,0,0:0,0,0,0:0,0,0,0:A beep\r\n");
    std::string tones = "MERIX tones\r\nTones,Tones,";
    for (int p = 0; p < 8; ++p)
        tones += "20,800,0:";
    tones += "501,10,500,600,5:1,20,440,480,5:";
    for (int p = 0; p < 8; ++p)
        tones += "10,10:";
    for (int p = 0; p < 8; ++p)
        tones += "0,0:";
    put("tones.cfg", tones + "All tones\r\n");
    std::string misc = "MERIX misc\r\n1\r\n";
    for (const char* line :
         {"DTMFMute=1", "CoverTone=0", "Bypass=0", "CORPolarity=0", "PLPolarity=0",
          "PasswordSystem=0", "AccessMode=Carrier", "Preaccess=0", "DialTone=0", "AccessCode=123",
          "IDOnOff=1", "IDRandRotating=0", "Chaining=1", "TimedExecution=0",
          "ForceExecutionDigit=D", "Description=Port one"})
        misc += std::string(line) + "\r\n";
    put("misc.cfg", misc);
    put("userdflt.cfg", "MERIX user defaults\r\n0;mode\r\n3;clearance\r\n2;digits\r\n"
                        "#;down code\r\n0;predial\r\npolite readback/always dial;a\r\n"
                        "polite readback/always dial;n\r\nnone;privacy\r\n1;timer\r\n");
    put("wordlist.cfg", "MERIX words\r\n2\r\nhello,100\r\nworld,101\r\n");
    put("cw.cfg", "MERIX CW\r\n2\r\nA,12\r\n SPACE,99\r\n");
    put("access.cfg", "MERIX access\r\n1\r\nCarrier,0\r\n");
}

} // namespace merix::test
