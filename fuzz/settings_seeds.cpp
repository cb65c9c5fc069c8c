// Writes the seed corpus of settings_file_fuzz: settings files of the shape the viewer writes.
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const char* seeds[] = {
        "[Settings]\nLanguageID=DEU\nDebugFile=1\n\n[Recent File List]\nFile1=/data/run1.mdf\n",
        "[General]\nFont=@ByteArray(Arial\\0)\n[Colors]\nCurve1=255\ncurve1=65280\n",
        "[Settings]\r\nPathInitial=\"C:\\\\Tmp;x\"\r\nNumber=-12\r\n[%General]\nk%20x=1\n",
    };
    int number = 0;
    for (const char* seed : seeds) {
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(++number) + ".ini",
                          std::ios::binary | std::ios::trunc);
        out << seed;
        if (!out)
            return 1;
    }
    return 0;
}
