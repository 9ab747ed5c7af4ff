// Sharing the book with the household from the desktop: the QR code of the address, the
// passphrases of Settings > Household access, and a purchase recorded over real HTTP on
// 127.0.0.1 that the window shows as its own.
#include <QCheckBox>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>

#include "shell/household_members.h"
#include "shell/qr_code.h"
#include "tests/shell/frame_fixture.h"

namespace kestrune {
namespace {

using testing::Field;
using testing::FrameTest;

TEST(QrCode, DrawsEveryModuleInsideAQuietZoneOfFourModules) {
  const QrMatrix matrix = EncodeQr("https://192.168.100.200:8443/");
  ASSERT_GE(matrix.size, 21);
  EXPECT_EQ((matrix.size - 21) % 4, 0);  // a QR code's side is 21, 25, 29... modules
  constexpr int kScale = 3;
  const QImage image = DrawQr(matrix, kScale);
  ASSERT_EQ(image.width(), (matrix.size + 8) * kScale);
  ASSERT_EQ(image.height(), image.width());
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int mx = x / kScale - 4, my = y / kScale - 4;
      const bool inside = mx >= 0 && my >= 0 && mx < matrix.size && my < matrix.size;
      const bool dark = inside && matrix.at(mx, my);
      wrong += image.pixel(x, y) != (dark ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  }
  EXPECT_EQ(wrong, 0);
  // The finder pattern's dark corner sits right after the quiet zone.
  EXPECT_TRUE(matrix.at(0, 0) && matrix.at(6, 6) && !matrix.at(7, 7));
  EXPECT_EQ(EncodeQr("").size, 0);
}

class HouseholdMembersTest : public testing::DatabaseTest {};

TEST_F(HouseholdMembersTest, RefusesAShortMismatchedOrUnknownOneAndListsTheOwner) {
  WriteEmptyIndexes();
  ASSERT_TRUE(Load());
  ASSERT_TRUE(db.AddPerson("Anna", "").ok());
  HouseholdMembers members(disk, db);
  ASSERT_TRUE(members.Load().ok());
  EXPECT_NE(members.Set("Anna", "seven77", "seven77", false).message().find("at least 8"),
            std::string::npos);
  // Eight characters in more bytes are still too few when there are fewer than eight.
  EXPECT_FALSE(
      members.Set("Anna", "\u00e9\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9\u00e9", false).ok());
  EXPECT_NE(members.Set("Anna", "long enough", "long enougj", false).message().find("differ"),
            std::string::npos);
  EXPECT_FALSE(members.Set("Nobody", "long enough", "long enough", false).ok());
  EXPECT_FALSE(Exists("household/access.txt"));
  ASSERT_TRUE(members.Set("Anna", "long enough", "long enough", true).ok());
  ASSERT_EQ(members.members().size(), 1u);
  EXPECT_EQ(members.Describe(0), "Anna (owner)");
  EXPECT_EQ(Read("household/access.txt").find("long enough"), std::string::npos);
  ASSERT_TRUE(members.Remove("Anna").ok());
  EXPECT_TRUE(members.members().empty());
  EXPECT_FALSE(members.Remove("Anna").ok());
}

// The body of the answer to a GET, or to a form posted when `form` is given; every wait is
// bounded.
QString Fetch(QNetworkAccessManager& net, const QUrl& url,
              const std::vector<std::pair<QString, QString>>& form = {}) {
  QNetworkRequest request(url);
  QNetworkReply* reply = nullptr;
  if (form.empty()) {
    reply = net.get(request);
  } else {
    QByteArray body;
    for (const auto& [name, value] : form) {
      body += (body.isEmpty() ? "" : "&") + name.toUtf8() + "=" + QUrl::toPercentEncoding(value);
    }
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    reply = net.post(request, body);
  }
  QEventLoop wait;
  QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
  QTimer::singleShot(10000, &wait, &QEventLoop::quit);
  wait.exec();
  EXPECT_TRUE(reply->isFinished()) << url.toString().toStdString();
  const QString page = QString::fromUtf8(reply->readAll());
  reply->deleteLater();
  return page;
}

QString Token(const QString& page) {
  return QRegularExpression(R"re(name="token" value="([0-9a-f]+)")re").match(page).captured(1);
}

TEST_F(FrameTest, APurchaseRecordedFromAPhoneShowsInTheWindowAndItsUndo) {
  MainWindow& main = OpenHousehold("Milk");
  Run("actionShowAll");
  const int months = main.monthChooser()->count();
  // Settings > Household access: Anna gets a passphrase.
  Then([](QDialog& d) { testing::Press(d, "householdAccess"); });
  Then([](QDialog& d) {
    Field<QComboBox>(d, "person")->setCurrentText("Anna");
    testing::Type(d, "passphrase", "anna's phone key");
    testing::Type(d, "repeated", "anna's phone key");
    testing::Press(d);
  });
  Run("actionSettings");
  Then([](QDialog& d) {
    Field<QRadioButton>(d, "thisComputer")->setChecked(true);
    Field<QCheckBox>(d, "https")->setChecked(false);
    Field<QSpinBox>(d, "port")->setValue(0);
    testing::Press(d);
  });
  Run("actionShareWithHousehold");
  ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();
  const QString note = main.findChild<QLabel*>("sharingNote")->text();
  const QUrl address(note.section(' ', -1));
  ASSERT_TRUE(note.startsWith("Shared with household at http://127.0.0.1:")) << note.toStdString();

  QNetworkAccessManager phone;
  Fetch(phone, address.resolved(QUrl("/signin")),
        {{"token", Token(Fetch(phone, address.resolved(QUrl("/signin"))))},
         {"person", "Anna"},
         {"passphrase", "anna's phone key"}});
  const QString token = Token(Fetch(phone, address.resolved(QUrl("/record"))));
  ASSERT_FALSE(token.isEmpty()) << "not signed in";
  Fetch(phone, address.resolved(QUrl("/record")),
        {{"token", token},
         {"category", "Food"},
         {"item", "Milk"},
         {"person", "Anna"},
         {"date", "2024-04-02"},
         {"sum", "4.25"},
         {"note", "from the corner shop"}});
  Settle();
  EXPECT_NE(work.Read("data/temp.tmp").find("from the corner shop"), std::string::npos);
  EXPECT_EQ(main.monthChooser()->count(), months + 1);
  EXPECT_EQ(Action("actionUndo")->text().toStdString(), "&Undo Record purchase Milk 4.25");
  Run("actionUndo");
  EXPECT_EQ(work.Read("data/temp.tmp").find("from the corner shop"), std::string::npos);
  // The dialog offers what was started with; Stop sharing closes the door.
  Then([](QDialog& d) {
    EXPECT_EQ(Field<QSpinBox>(d, "port")->value(), 0);
    EXPECT_FALSE(Field<QCheckBox>(d, "https")->isChecked());
    testing::Press(d, "stop");
  });
  Run("actionShareWithHousehold");
  EXPECT_TRUE(main.findChild<QLabel*>("sharingNote")->isHidden());
  EXPECT_TRUE(Fetch(phone, address.resolved(QUrl("/record"))).isEmpty());
}

}  // namespace
}  // namespace kestrune
