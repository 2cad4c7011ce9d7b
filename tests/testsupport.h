#pragma once

// What the window tests share: message boxes answered by the test, and a way
// to act inside a window while a handler waits for it to close.

#include "msgbox.h"
#include "sounddevice.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers every message box in place of the player, records what was asked,
// and restores real boxes when it goes out of scope.
class MsgBoxAnswers
{
public:
    explicit MsgBoxAnswers(int answer = MsgBox::OK) : m_default(answer)
    {
        MsgBox::setResponder([this](const MsgBox::Question &question) {
            asked.append(question);
            if (m_whileOpen)
                m_whileOpen(question);
            return m_next.isEmpty() ? m_default : m_next.takeFirst();
        });
    }
    ~MsgBoxAnswers() { MsgBox::setResponder({}); }

    // The answers to the next boxes, in order; after them the default one.
    void queue(std::initializer_list<int> answers) { m_next.append(answers); }
    void setDefault(int answer) { m_default = answer; }
    // Runs while a box is "open", before it is answered.
    void whileOpen(std::function<void(const MsgBox::Question &)> action)
    {
        m_whileOpen = std::move(action);
    }

    QList<MsgBox::Question> asked;

private:
    int m_default;
    QList<int> m_next;
    std::function<void(const MsgBox::Question &)> m_whileOpen;
};

// Calls `action` with the modal window as soon as one is open; used around a
// handler that shows a window modally and only returns when it has gone.
inline void whenModalOpens(std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}

// Keeps what the sound control asks of its device, and plays nothing.
class SoundRecorder : public SoundDevice
{
public:
    explicit SoundRecorder(QStringList *log) : m_log(log) {}
    void open(const QString &fileName) override { *m_log << QStringLiteral("open ") + fileName; }
    void play() override { *m_log << QStringLiteral("play"); }
    void close() override { *m_log << QStringLiteral("close"); }

private:
    QStringList *m_log;
};
