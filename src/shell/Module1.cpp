#include "Module1.h"

#include "Form.h"
#include "PictureControl.h"
#include "QuizFile.h"
#include "Sound.h"
#include "Stage.h"

#include <QGuiApplication>


namespace Module1 {

int SoundOn = 0;
QString QuizTitle;
QuizArray QuestionText;
QuizArray OptionA;
QuizArray OptionB;
QuizArray OptionC;
QuizArray OptionD;
QuizArray CorrectAnswer;
int Score = 0;
int QuestionCount = 0;
int CurrentQuestion = 0;
std::array<int, 11> UserAnswer{};
QString CertificateHeading;
int WorksheetCount = 0;
terralore::WorksheetNameArray WorksheetNames;
QString SelectedWorksheet;
int CataloguePage = 0;
int PageNumber = 0;
int PageCount = 0;
QString PageSet;
int LogoFrame = 0;

void SetUpScreen(terralore::Form &form)
{
    using namespace terralore;
    form.setBackColor(QColor(39, 63, 137));
    form.setCaption(QStringLiteral("Terralore"));
    if (auto *box = dynamic_cast<PictureBox *>(form.controlNamed(QStringLiteral("Picture1"))))
        box->setBackColor(QColor(49, 135, 214));
    form.setWidth(12000);
    form.setHeight(9000);
    form.centreOnStage();
    // A screen always comes up with the default pointer.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool LoadQuizFile(terralore::FieldReader &reader)
{
    return terralore::loadQuizFile(reader,
                                   {QuizTitle, QuestionText, OptionA, OptionB, OptionC, OptionD, CorrectAnswer});
}

void PlayIfSoundOn(const QString &relativePath)
{
    if (SoundOn == 1)
        terralore::PlayEffect(relativePath);
}

void reset()
{
    SoundOn = 0;
    QuizTitle.clear();
    for (QuizArray *array : {&QuestionText, &OptionA, &OptionB, &OptionC, &OptionD, &CorrectAnswer})
        array->fill(QString());
    Score = 0;
    QuestionCount = 0;
    CurrentQuestion = 0;
    UserAnswer.fill(0);
    CertificateHeading.clear();
    WorksheetCount = 0;
    WorksheetNames.fill(QString());
    SelectedWorksheet.clear();
    CataloguePage = 0;
    PageNumber = 0;
    PageCount = 0;
    PageSet.clear();
    LogoFrame = 0;
}

} // namespace Module1
