#pragma once
// The course table the benchmarks read: 100 courses with five tees each, as large as the
// course table may be.

#include <string>

#include "model/Records.h"

inline std::string fullCourseTable() {
    std::string file = "[NumberOfPitches]\r\nNumber=100\r\n[Pitches]\r\n";
    for (int i = 1; i <= MaxPitches; ++i)
        file += "Pitch" + std::to_string(i) + "=Golfbane nummer " + std::to_string(i) + "\r\n";
    for (int i = 1; i <= MaxPitches; ++i) {
        file += "[Pitch" + std::to_string(i) + "]\r\nHoles=18\r\n";
        file += "Par=4 4 3 5 4 4 3 5 4 4 4 3 5 4 4 3 5 4\r\n";
        file += "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\nNumberOfTees=5\r\n";
        for (int j = 1; j <= MaxTees; ++j) {
            const std::string n = std::to_string(j);
            file += "Tee" + n + "=Tee nummer " + n + "\r\nSlopeValue" + n + "=13" + n + "\r\nParValue" + n +
                    "=72\r\nPitchValue" + n + "=71." + n + "\r\n";
        }
    }
    return file;
}
