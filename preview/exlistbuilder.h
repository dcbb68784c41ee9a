#pragma once

#include "preview/expagehost.h"
#include "preview/exstylereader.h"

#include <QJsonObject>
#include <QVector>

class QObject;
class QWidget;

// Builds the list kinds of the preview (wall and play button lists, source
// views, search boxes, scene lists) from one control object for either page
// host, wires them to the host's relay signals and slots, and hands back the
// elements the host registers. The two hosts differ only in the reader they
// pass and in the few keys a pop-up does not read.
class ExListBuilder
{
public:
    ExListBuilder(QWidget *host, const ExStyleReader &reader, int listMode, bool inPopup);

    // Whether this builder makes the kind in that host.
    static bool builds(int typeId, bool inPopup);
    // The elements to register, in order; the outermost widget is shown.
    QVector<CtrlElement> build(int typeId, const QJsonObject &record);
    // Connections Qt refused; each is also warned of.
    int connectFailures() const { return m_connectFailures; }
    // Rows taken from the host's cell budget, for the host to give back
    // when it drops the lists.
    int rowsTaken() const { return m_rowsTaken; }

private:
    using Build = void (ExListBuilder::*)(int typeId, const QJsonObject &record);
    // The builder of a kind in that host, or none.
    static Build builderOf(int typeId, bool inPopup);

    void buildButtonList(int typeId, const QJsonObject &record);
    void buildSceneList(int typeId, const QJsonObject &record);
    void buildSourceTab(int typeId, const QJsonObject &record);
    void buildSearchWidget(int typeId, const QJsonObject &record);

    // A host signal to a widget's slot, or a widget's signal to a host slot or signal.
    void relay(const char *signal, const QObject *receiver, const char *method);
    void wire(const QObject *sender, const char *signal, const char *method);
    void addElement(QWidget *widget, int typeId, const QString &hostName, const QString &ref,
                    const QString &name);
    // Rows of demonstration data a list may build: what the page's lists
    // have left of the budget they share, one at least.
    int takeRows(int wanted);

    QWidget *m_host;
    ExStyleReader m_reader;
    int m_listMode;
    bool m_inPopup;
    QVector<CtrlElement> m_elements;
    int m_connectFailures = 0;
    int m_rowsTaken = 0;
};
