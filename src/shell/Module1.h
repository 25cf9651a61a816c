#pragma once

#include "WorksheetIndex.h"

#include <QString>

#include <array>

namespace terralore {
class FieldReader;
class Form;
} // namespace terralore

// The shared state and routines of the whole program, under their design
// names. Arrays keep their design index ranges; element 0 is not used where
// the design says so.
namespace Module1 {

using QuizArray = std::array<QString, 11>;

// Sound: 1 plays effects; anything else (0, or never set) is silent.
extern int SoundOn;

// The loaded quiz.
extern QString QuizTitle;
extern QuizArray QuestionText;
extern QuizArray OptionA;
extern QuizArray OptionB;
extern QuizArray OptionC;
extern QuizArray OptionD;
extern QuizArray CorrectAnswer;

// Results of a quiz or an activity.
extern int Score;
extern int QuestionCount;
extern int CurrentQuestion;
extern std::array<int, 11> UserAnswer;
extern QString CertificateHeading;

// The worksheet list.
extern int WorksheetCount;
extern terralore::WorksheetNameArray WorksheetNames;
extern QString SelectedWorksheet;
extern int CataloguePage;

// The pagers.
extern int PageNumber;
extern int PageCount;
extern QString PageSet;
extern int LogoFrame;

// Gives a screen its standard size, colour, caption and centred position.
void SetUpScreen(terralore::Form &form);

// Reads a quiz file, opened by the caller, into QuizTitle and the five text
// arrays and CorrectAnswer, value by value. False when the file ends early:
// the values read so far stay loaded, the rest keep the previous quiz's.
bool LoadQuizFile(terralore::FieldReader &reader);

// Plays an effect when SoundOn is 1: the guard every caller applies.
void PlayIfSoundOn(const QString &relativePath);

// Back to the state of a fresh start (for tests).
void reset();

} // namespace Module1
