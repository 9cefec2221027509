// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader meets it: the real program on an X display,
// reached through the accessibility bus of a private session. The test
// listens as a screen reader does, presses the window's keys through their
// accessible actions, and checks that every box whose text changes tells the
// bus its new text while the focus is elsewhere, that boxes which keep their
// text stay quiet, and what reaches the bus when the window refuses a key.
// The texts expected come from the console's calculator, given the same keys.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>
#include <map>
#include <sstream>

#include "console/Output.h"
#include "console/Session.h"
#include "form/ControlIds.h"
#include "ui/Descriptions.h"
#include "ui/Layout.h"

using varnock::ControlKind;
using varnock::ControlSpec;

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kEventTimeoutMs = 10000;

const QString kRegistryService = QStringLiteral("org.a11y.atspi.Registry");
const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");

// What a screen reader asks the registry for: new texts and values, states
// such as showing and focused, new windows, and the announcements of newer
// toolkits.
const QStringList kListenedEvents = {
    QStringLiteral("object:text-changed"),  QStringLiteral("object:property-change"),
    QStringLiteral("object:state-changed"), QStringLiteral("object:children-changed"),
    QStringLiteral("object:announcement"),  QStringLiteral("window:"),
};
// The signals of the object events above.
const QStringList kObjectSignals = {
    QStringLiteral("TextChanged"),  QStringLiteral("PropertyChange"),
    QStringLiteral("StateChanged"), QStringLiteral("ChildrenChanged"),
    QStringLiteral("Announcement"),
};

// The bit of the focused state in an object's state set.
constexpr int kFocusedState = 12;

// An accessible object: the bus name of its application and its path.
struct ObjectRef {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectRef& ref) {
    argument.beginStructure();
    argument << ref.service << ref.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectRef& ref) {
    argument.beginStructure();
    argument >> ref.service >> ref.path;
    argument.endStructure();
    return argument;
}

}  // namespace

Q_DECLARE_METATYPE(ObjectRef)

namespace {

// "TextChanged" as a screen reader names it: "text-changed".
QString dashed(const QString& member) {
    QString name;
    for (const QChar c : member) {
        if (c.isUpper() && !name.isEmpty()) name += u'-';
        name += c.toLower();
    }
    return name;
}

// One event as the bus delivered it.
struct BusEvent {
    QString name;  // "object:text-changed:insert"
    QString path;  // of the object it tells of
    int detail1 = 0;
    int detail2 = 0;
    QVariant data;
};

// The accessibility bus of the session, seen from a screen reader's side.
class AccessibilityBus : public QObject {
    Q_OBJECT

public:
    AccessibilityBus() : m_bus(connectToBus()) {}
    ~AccessibilityBus() override { QDBusConnection::disconnectFromBus(m_bus.name()); }

    bool isConnected() const { return m_bus.isConnected(); }

    // Registers for the events and receives them from every application.
    bool listen() {
        for (const QString& member : kObjectSignals) {
            if (!m_bus.connect({}, {}, kObjectEvents, member, this, SLOT(record(QDBusMessage)))) {
                return false;
            }
        }
        for (const QString& event : kListenedEvents) {
            QDBusMessage registration = QDBusMessage::createMethodCall(
                kRegistryService, kRegistryPath, kRegistryService, QStringLiteral("RegisterEvent"));
            registration << event << QStringList() << QString();
            if (m_bus.call(registration).type() == QDBusMessage::ErrorMessage) return false;
        }
        return true;
    }

    QList<BusEvent>& events() { return m_events; }
    const QList<BusEvent>& events() const { return m_events; }

    QVariant property(const ObjectRef& object, const QString& name) const {
        QDBusMessage get = QDBusMessage::createMethodCall(
            object.service, object.path.path(), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << kAccessible << name;
        const QDBusReply<QDBusVariant> reply = m_bus.call(get);
        return reply.isValid() ? reply.value().variant() : QVariant();
    }

    QList<ObjectRef> children(const ObjectRef& object) const {
        const QDBusReply<QList<ObjectRef>> reply =
            m_bus.call(accessibleCall(object, QStringLiteral("GetChildren")));
        return reply.isValid() ? reply.value() : QList<ObjectRef>();
    }

    QString roleName(const ObjectRef& object) const {
        const QDBusReply<QString> reply =
            m_bus.call(accessibleCall(object, QStringLiteral("GetRoleName")));
        return reply.isValid() ? reply.value() : QString();
    }

    bool hasState(const ObjectRef& object, int state) const {
        const QDBusReply<QList<uint>> reply =
            m_bus.call(accessibleCall(object, QStringLiteral("GetState")));
        constexpr int kBitsPerWord = 32;
        const QList<uint> words = reply.isValid() ? reply.value() : QList<uint>();
        return words.size() > state / kBitsPerWord &&
               (words.at(state / kBitsPerWord) & (1U << (state % kBitsPerWord))) != 0;
    }

    // The object's whole text, read back through its text interface.
    QString text(const ObjectRef& object) const {
        QDBusMessage get = QDBusMessage::createMethodCall(object.service, object.path.path(),
                                                          QStringLiteral("org.a11y.atspi.Text"),
                                                          QStringLiteral("GetText"));
        get << 0 << -1;
        const QDBusReply<QString> reply = m_bus.call(get);
        return reply.isValid() ? reply.value() : QString();
    }

    // The object's first action: a button's press.
    bool press(const ObjectRef& object) const {
        QDBusMessage action = QDBusMessage::createMethodCall(
            object.service, object.path.path(), QStringLiteral("org.a11y.atspi.Action"),
            QStringLiteral("DoAction"));
        action << 0;
        const QDBusReply<bool> reply = m_bus.call(action);
        return reply.isValid() && reply.value();
    }

private slots:
    void record(const QDBusMessage& message) {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() < 4) return;
        const QString category = dashed(message.interface().section(u'.', -1));
        QString name = category + u':' + dashed(message.member());
        const QString detail = arguments.at(0).toString();
        if (!detail.isEmpty()) name += u':' + detail;
        m_events << BusEvent{name, message.path(), arguments.at(1).toInt(), arguments.at(2).toInt(),
                             arguments.at(3).value<QDBusVariant>().variant()};
    }

private:
    static QDBusConnection connectToBus() {
        qDBusRegisterMetaType<ObjectRef>();
        qDBusRegisterMetaType<QList<ObjectRef>>();
        // The session bus starts the accessibility bus when first asked for it.
        const QDBusMessage ask = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
        const QDBusReply<QString> address = QDBusConnection::sessionBus().call(ask);
        return QDBusConnection::connectToBus(address.isValid() ? address.value() : QString(),
                                             QStringLiteral("accessibility"));
    }

    static QDBusMessage accessibleCall(const ObjectRef& object, const QString& method) {
        return QDBusMessage::createMethodCall(object.service, object.path.path(), kAccessible,
                                              method);
    }

    QDBusConnection m_bus;
    QList<BusEvent> m_events;
};

bool isBox(const ControlSpec& row) {
    return row.kind == ControlKind::Edit || row.kind == ControlKind::MultiLineEdit;
}

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

// The name a control has for a screen reader: a box is named by its frame.
QString spokenName(const ControlSpec& row) {
    if (isBox(row)) return qs(row.frame);
    if (row.is(varnock::kNoMnemonic)) return qs(row.caption);
    return qs(varnock::plainCaption(row.caption));
}

// The text after the text changes of the events, given the text before them.
QString applyTextChanges(QString text, const QList<BusEvent>& changes) {
    for (const BusEvent& change : changes) {
        if (change.name.endsWith(QStringLiteral(":insert"))) {
            text.insert(change.detail1, change.data.toString());
        } else if (change.name.endsWith(QStringLiteral(":delete"))) {
            text.remove(change.detail1, change.detail2);
        }
    }
    return text;
}

// The line the console prints for a beep.
std::string beepLine() {
    std::ostringstream beep;
    varnock::console::writeBeep(beep);
    return beep.str();
}

QString clickList(const QList<int>& ids) {
    QStringList words;
    for (int id : ids) words << QString::number(id);
    return words.join(u' ');
}

}  // namespace

class AtSpiBusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void keysAreSpokenThroughTheBus_data();
    void keysAreSpokenThroughTheBus();

private:
    // Takes out of the events received those of the object at path whose
    // names begin with prefix.
    QList<BusEvent> takeEventsOf(const QString& path, const QString& prefix);
    // Waits until a method call to the window has come back, so that every
    // event the window sent before it has arrived.
    void catchUp();
    std::map<int, QString> coreBoxTexts() const;
    // Whether an alert named "Refused" has come into view in the window since
    // the events were last cleared: the band that lights up at a refusal.
    bool refusalShown() const;

    AccessibilityBus m_bus;
    QProcess m_program;
    ObjectRef m_window;
    std::map<int, ObjectRef> m_controls;  // by identifier, the visible boxes and keys
    std::ostringstream m_coreOutput;
    varnock::console::Session m_core{m_coreOutput};
    std::map<int, QString> m_boxTexts;  // the visible boxes, as the bus read them at the start
};

void AtSpiBusTest::initTestCase() {
    QVERIFY2(m_bus.isConnected(), "no accessibility bus in this session");
    QVERIFY(m_bus.listen());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(QStringLiteral(VARNOCK_PROGRAM), {});
    QVERIFY(m_program.waitForStarted());

    // The program joins the bus under the registry's root; its window is the
    // one child of its application that carries the title.
    ObjectRef application;
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (const BusEvent& event : m_bus.events()) {
                if (event.name == QStringLiteral("object:children-changed:add") &&
                    event.path == kRootPath) {
                    application = qdbus_cast<ObjectRef>(event.data.value<QDBusArgument>());
                    return true;
                }
            }
            return false;
        },
        kStartTimeoutMs));
    for (const ObjectRef& child : m_bus.children(application)) {
        if (m_bus.property(child, QStringLiteral("Name")).toString() ==
            qs(varnock::mainWindowFrame().title)) {
            m_window = child;
        }
    }
    QVERIFY2(!m_window.service.isEmpty(), "the window is not on the bus");

    // Each control is told apart by its name and its description.
    std::map<std::pair<QString, QString>, ObjectRef> byNameAndDescription;
    for (const ObjectRef& child : m_bus.children(m_window)) {
        const QString name = m_bus.property(child, QStringLiteral("Name")).toString();
        const QString description = m_bus.property(child, QStringLiteral("Description")).toString();
        byNameAndDescription[{name, description}] = child;
    }
    for (const ControlSpec& row : varnock::controls()) {
        const bool isKey = row.kind == ControlKind::PushButton;
        if (!row.isVisible() || (!isBox(row) && !isKey)) continue;
        const auto found =
            byNameAndDescription.find({spokenName(row), qs(varnock::describeControl(row.id))});
        QVERIFY2(found != byNameAndDescription.end(), qPrintable(QString::number(row.id)));
        m_controls[row.id] = found->second;
        if (isBox(row)) m_boxTexts[row.id] = m_bus.text(found->second);
    }
    QCOMPARE(m_boxTexts, coreBoxTexts());
    m_bus.events().clear();
}

void AtSpiBusTest::cleanupTestCase() {
    m_program.kill();
    m_program.waitForFinished();
}

std::map<int, QString> AtSpiBusTest::coreBoxTexts() const {
    std::map<int, QString> texts;
    for (const auto& [id, text] : m_boxTexts) texts[id] = qs(m_core.window().text(id));
    return texts;
}

QList<BusEvent> AtSpiBusTest::takeEventsOf(const QString& path, const QString& prefix) {
    QList<BusEvent> taken;
    QList<BusEvent>& events = m_bus.events();
    for (auto event = events.begin(); event != events.end();) {
        if (event->path == path && event->name.startsWith(prefix)) {
            taken << *event;
            event = events.erase(event);
        } else {
            ++event;
        }
    }
    return taken;
}

bool AtSpiBusTest::refusalShown() const {
    for (const BusEvent& event : std::as_const(m_bus).events()) {
        if (event.name != QStringLiteral("object:state-changed:showing") || event.detail1 != 1) {
            continue;
        }
        const ObjectRef shown{m_window.service, QDBusObjectPath(event.path)};
        const auto parent = qdbus_cast<ObjectRef>(
            m_bus.property(shown, QStringLiteral("Parent")).value<QDBusArgument>());
        if (parent.path == m_window.path &&
            m_bus.roleName(shown) == QStringLiteral("alert message") &&
            m_bus.property(shown, QStringLiteral("Name")).toString() == QStringLiteral("Refused")) {
            return true;
        }
    }
    return false;
}

void AtSpiBusTest::catchUp() {
    m_bus.text(m_controls.at(varnock::kDisplay));
    QCoreApplication::processEvents();
}

void AtSpiBusTest::keysAreSpokenThroughTheBus_data() {
    QTest::addColumn<QList<int>>("keys");
    using namespace varnock;
    // One session: each row goes on from where the row before it left off.
    QTest::newRow("a digit") << QList<int>{kDigit7};
    QTest::newRow("the point") << QList<int>{kDecimalPoint};
    QTest::newRow("a second point is refused") << QList<int>{kDecimalPoint};
    QTest::newRow("a conversion key")
        << QList<int>{kClearAll, kDigit1, kDigit0, kDigit0, kMilliwattsToDbm};
    QTest::newRow("an Enter key") << QList<int>{kDigit1, kDigit0, kDigit0, kPathLossFrequencyEnter};
    QTest::newRow("a second Enter key") << QList<int>{kDigit1, kDigit0, kPathLossDistanceEnter};
    QTest::newRow("a panel's compute key") << QList<int>{kPathLossCalculate};
    QTest::newRow("the same result again") << QList<int>{kPathLossCalculate, kDigit5};
    QTest::newRow("CLEAR ALL after results") << QList<int>{kClearAll};
    QTest::newRow("CLEAR ALL with nothing to clear") << QList<int>{kClearAll, kDigit2};
}

// Each key is pressed on the window and given to the console's calculator;
// the boxes whose text the calculator changes must tell the bus exactly that
// new text although none of them holds the focus, and no other box may speak.
// A refusal must reach the bus too.
void AtSpiBusTest::keysAreSpokenThroughTheBus() {
    QFETCH(QList<int>, keys);

    // The texts when the bus was last caught up with, and the keys since.
    std::map<int, QString> before = coreBoxTexts();
    QList<int> pressed;
    for (int key : keys) {
        m_coreOutput.str({});
        const varnock::console::Identifier id{std::to_string(key), key};
        QVERIFY(!m_core.perform(varnock::console::ClickCommand{id}).has_value());
        const std::map<int, QString> expected = coreBoxTexts();
        const bool refused = m_coreOutput.str().find(beepLine()) != std::string::npos;
        QVERIFY(m_bus.press(m_controls.at(key)));
        pressed << key;
        // A key that changes nothing leaves nothing to wait for: what it
        // sent is checked with the next key that does change something.
        if (!refused && expected == before) continue;

        const QString where = QStringLiteral("after keys %1").arg(clickList(pressed));
        if (refused) {
            // Qt 6.4 forwards the window's alert event to no bus: a refusal
            // reaches a screen reader as the refusal band, an alert named
            // "Refused", coming into view.
            QVERIFY2(QTest::qWaitFor([&] { return refusalShown(); }, kEventTimeoutMs),
                     qPrintable(where));
            QStringList seen;
            for (const BusEvent& event : m_bus.events()) seen << event.name;
            qInfo("A refusal reaches the bus as: %s", qPrintable(seen.join(u' ')));
        }
        std::map<int, QList<BusEvent>> spoken;  // the text changes, by box
        const auto allTold = [&] {
            bool told = true;
            for (const auto& [box, text] : before) {
                spoken[box] << takeEventsOf(m_controls.at(box).path.path(),
                                            QStringLiteral("object:text-changed:"));
                told = told && applyTextChanges(text, spoken[box]) == expected.at(box);
            }
            return told;
        };
        QVERIFY2(QTest::qWaitFor(allTold, kEventTimeoutMs), qPrintable(where));
        catchUp();
        QVERIFY2(allTold(), qPrintable(where));
        for (const auto& [box, text] : before) {
            const QString which = QStringLiteral("box %1 %2").arg(box).arg(where);
            QVERIFY2(spoken[box].isEmpty() == (expected.at(box) == text), qPrintable(which));
            QVERIFY2(!m_bus.hasState(m_controls.at(box), kFocusedState), qPrintable(which));
        }
        m_bus.events().clear();
        before = expected;
        pressed.clear();
    }
    QVERIFY2(pressed.isEmpty(), "a row must end with a key that changes something");
}

QTEST_GUILESS_MAIN(AtSpiBusTest)
#include "AtSpiBusTest.moc"
