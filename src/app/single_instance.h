#pragma once
// One running program per data file. The first start for a data file claims it and
// listens; a later start asks the running one to show its window and ends without
// writing anything, so that two windows never save over each other's data. Programs of
// different folders, each with its own data file, run side by side.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// The name under which the program for this data file (and this user) listens.
QString instanceKey(const QString& dataFile);

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,        // this process runs the data file
        HandedOver,   // the running one showed its window; this one ends
        Unanswered,   // another one holds the data file but did not answer
    };

    explicit SingleInstance(const QString& dataFile, QObject* parent = nullptr);
    Claim claim();

Q_SIGNALS:
    // A later start asks this one to show its window.
    void showRequested();

private:
    void answer(QLocalSocket* socket);

    QString key_;
    QLockFile lock_;
    QLocalServer server_;
};
