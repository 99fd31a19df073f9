#pragma once
// One desktop program per user and display: a later start finds the running
// one through a local socket, asks it to bring its window to the front and
// ends. The socket lives in the user's runtime directory (or the temporary
// directory, named for the user), so other accounts never meet it; the file
// is the user's alone. A plain Unix socket watched by the event loop: the
// toolkit's network library would cost the program more memory at start than
// all the rest of this.
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;

namespace tv {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket for this user and display.
    static QString defaultSocketName();

    explicit SingleInstance(QString socketName = defaultSocketName());
    ~SingleInstance() override;

    // True when a running program answered and was asked to come to the front.
    bool activateRunning(int timeoutMs = 2000);
    // Takes the socket (removing one left by a program that did not end
    // cleanly), so that later starts reach this one. False when it cannot;
    // the program then simply runs on its own.
    bool listen();
    // What a later start asks for: the main window to the front.
    std::function<void()> onActivate;

private:
    void accept();
    void read(int fd);
    void close(int fd);

    QString name_;
    int server_ = -1;
    std::unique_ptr<QSocketNotifier> serverNotifier_;
    // The starts that connected and have not hung up: what each sent so far.
    struct Client {
        std::unique_ptr<QSocketNotifier> notifier;
        std::string received;
    };
    std::map<int, Client> clients_;
};

}  // namespace tv
