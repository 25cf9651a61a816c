#include "Services.h"

#include "Devices.h"
#include "Fonts.h"
#include "ResourcePath.h"
#include "ScreenReaderStatus.h"
#include "Stage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

namespace terralore {

namespace {

// Without a window manager nothing gives the keyboard back to the stage when
// a box or dialog over it closes: the control that had it takes it again.
class FocusReturns {
public:
    ~FocusReturns()
    {
        if (!m_focus)
            return;
        m_focus->window()->activateWindow();
        m_focus->setFocus(Qt::OtherFocusReason);
    }

private:
    QPointer<QWidget> m_focus = QApplication::focusWidget();
};

class DesktopServices final : public Services {
public:
    MsgResult showMessage(const QString &prompt, MsgButtons buttons) override
    {
        const FocusReturns focus;
        QMessageBox box(stage());
        box.setWindowTitle(QStringLiteral("Terralore"));
        box.setText(prompt);
        box.setIcon(buttons == MsgButtons::OKCancel ? QMessageBox::Question : QMessageBox::Information);
        box.setStandardButtons(buttons == MsgButtons::OKCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                               : QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? MsgResult::OK : MsgResult::Cancel;
    }

    void playEffect(const QString &relativePath) override
    {
        QString path;
        if (SoundDevice *device = deviceFor(relativePath, path))
            device->play(path);
    }

    void prepareEffect(const QString &relativePath) override
    {
        QString path;
        if (SoundDevice *device = deviceFor(relativePath, path))
            device->prepare(path);
    }

    bool speechAvailable() override
    {
        const SpeechDevice *device = speech();
        return device &&
               (device->state() == SpeechDevice::State::Ready || device->state() == SpeechDevice::State::Speaking);
    }

    void speak(const QString &text) override
    {
        if (speechAvailable())
            m_speech->say(text);
    }

    void stopSpeaking() override
    {
        if (m_speech)
            m_speech->stop();
    }

    void prepareSpeech() override { speech(); }

    bool screenReaderRunning() override { return desktopScreenReaderOn(); }

    bool print(const std::function<void(PrintSurface &)> &document) override
    {
        // The printer's fonts are the screens' faces.
        registerFonts();
        PrinterDevice *printer = printerDevice();
        return printer && printer->print(document);
    }

    QString chooseFileToOpen(const QString &caption, const QString &filters) override
    {
        const FocusReturns focus;
        return QFileDialog::getOpenFileName(stage(), caption, QDir::homePath(), filters);
    }

    QString chooseFileToSave(const QString &caption, const QString &suggestedPath, const QString &filters,
                             QString &selectedFilter) override
    {
        const FocusReturns focus;
        return QFileDialog::getSaveFileName(stage(), caption, suggestedPath, filters, &selectedFilter);
    }

private:
    static QWidget *stage() { return Stage::exists() ? &Stage::instance() : nullptr; }

    // The machine's sound is switched off (TERRALORE_NO_AUDIO), or there is no application yet.
    static bool silent() { return !qEnvironmentVariableIsEmpty("TERRALORE_NO_AUDIO") || !QCoreApplication::instance(); }

    // The device and the file's path; nothing when the machine is silent or the file is missing.
    static SoundDevice *deviceFor(const QString &relativePath, QString &path)
    {
        if (silent())
            return nullptr;
        path = resolveResource(relativePath);
        return QFileInfo::exists(path) ? soundDevice() : nullptr;
    }

    // The speech engine, started on first use; nothing when the machine is silent.
    SpeechDevice *speech()
    {
        if (m_speechAsked)
            return m_speech;
        m_speechAsked = true;
        m_speech = silent() ? nullptr : speechDevice();
        if (m_speech) {
            // Screens grey or offer their reading aloud as the engine comes and goes.
            m_speech->setStateListener([](SpeechDevice::State) {
                if (Stage::exists())
                    emit Stage::instance().speechStateChanged();
            });
        }
        return m_speech;
    }

    bool m_speechAsked = false;
    SpeechDevice *m_speech = nullptr;
};

} // namespace

std::unique_ptr<Services> makeDesktopServices()
{
    return std::make_unique<DesktopServices>();
}

MsgResult showMessage(const QString &prompt, MsgButtons buttons)
{
    return Stage::instance().services().showMessage(prompt, buttons);
}

} // namespace terralore
