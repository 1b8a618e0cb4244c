#pragma once
// The course table the tests run on, as a club's course table file holds it (Windows-1252,
// CR LF). Course 1 "Testbanen": 18 holes, par 4 everywhere but holes 3, 8, 12, 16 (par 3)
// and 5, 14 (par 5), three tees; course 2 "Kortbanen": 9 holes, one tee.
inline constexpr const char* TestCourseTable =
    "[NumberOfPitches]\r\nNumber=2\r\n"
    "[Pitches]\r\nPitch1=Testbanen\r\nPitch2=Kortbanen\r\n"
    "[Pitch1]\r\nHoles=18\r\n"
    "Par=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\n"
    "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\n"
    "NumberOfTees=3\r\n"
    "Tee1=Gul\r\nSlopeValue1=128\r\nParValue1=72\r\nPitchValue1=70.4\r\n"
    "Tee2=R\xF8\x64\r\nSlopeValue2=113\r\nParValue2=72\r\nPitchValue2=72.0\r\n"
    "Tee3=Bl\xE5\r\nSlopeValue3=131\r\nParValue3=72\r\nPitchValue3=69.8\r\n"
    "[Pitch2]\r\nHoles=9\r\n"
    "Par=4 3 5 4 4 3 4 5 4\r\n"
    "Index=2 8 4 6 1 9 3 5 7\r\n"
    "NumberOfTees=1\r\n"
    "Tee1=Hvit\r\nSlopeValue1=120\r\nParValue1=36\r\nPitchValue1=35.2\r\n";

// The section a tournament on "Testbanen" keeps its course in, as a save writes it.
inline constexpr const char* TestbanenCourseSection =
    "[Course]\r\nHoles=18\r\n"
    "Par=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\n"
    "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\n"
    "NumberOfTees=3\r\n"
    "Tee1=Gul\r\nSlopeValue1=128\r\nParValue1=72\r\nPitchValue1=70.4\r\n"
    "Tee2=R\xF8\x64\r\nSlopeValue2=113\r\nParValue2=72\r\nPitchValue2=72.0\r\n"
    "Tee3=Bl\xE5\r\nSlopeValue3=131\r\nParValue3=72\r\nPitchValue3=69.8\r\n";
