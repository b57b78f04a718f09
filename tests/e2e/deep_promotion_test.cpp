#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <QHttpServer>
#include <QHttpServerResponse>

#include "batch/session_batch.h"
#include "deeppromo/link_dialog.h"
#include "deeppromo/link_extraction.h"
#include "engines/engine_lists.h"
#include "event_wait.h"
#include "fake_engine_server.h"
#include "session/session_file.h"
#include "web_program.h"

namespace zentrova::testing {
namespace {

using Links = std::vector<std::string>;

constexpr int kWait = 30000;

// Every kind of anchor a page may hold; only the web addresses may reach the list.
constexpr char kLinkAnchors[] =
    "<a href=\"sub/page.html\">relative</a>"
    "<a href=\"../up.html\">parent</a>"
    "<a href=\"http://other.example/x/\">absolute</a>"
    "<a href=\"https://secure.example/y\">secure</a>"
    "<a href=\"mailto:owner@example.com\">mail</a>"
    "<a href=\"javascript:void(0)\">script</a>";

QByteArray Sitemap(const char* root, const std::vector<std::string>& locations) {
  const bool index = std::string(root) == "sitemapindex";
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><";
  xml += root;
  xml += " xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">";
  for (const std::string& location : locations) {
    xml += index ? "<sitemap><loc>" : "<url><loc>";
    xml += QByteArray::fromStdString(location);
    xml += index ? "</loc></sitemap>" : "</loc></url>";
  }
  xml += "</";
  xml += root;
  return xml + ">";
}

// A small site of its own on 127.0.0.1: a page of links, a sitemap and a sitemap index.
class LinkSite {
 public:
  LinkSite() {
    server_.route("/dir/links.html", [] {
      return QHttpServerResponse("text/html",
                                 QByteArray("<html><body>") + kLinkAnchors + "</body></html>");
    });
    server_.route("/sitemap.xml", [] {
      return QHttpServerResponse(
          "application/xml",
          Sitemap("urlset", {"http://www.example.com/", "http://www.example.com/shop.html"}));
    });
    server_.route("/index.xml", [this] {
      return QHttpServerResponse("application/xml",
                                 Sitemap("sitemapindex", {Url("/part1.xml"), Url("/part2.xml")}));
    });
    server_.route("/part1.xml", [] {
      return QHttpServerResponse("application/xml",
                                 Sitemap("urlset", {"http://www.example.com/one.html"}));
    });
    server_.route("/part2.xml", [] {
      return QHttpServerResponse("application/xml",
                                 Sitemap("urlset", {"http://www.example.com/two.html"}));
    });
    port_ = server_.listen(QHostAddress::LocalHost, 0);
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  // What the web frame's box takes: the address after its "http://" label.
  std::string Typed(const std::string& path) const {
    return "127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  QHttpServer server_;
  quint16 port_ = 0;
};

class LinkExtractionTest : public ::testing::Test {
 protected:
  Program& program() { return web.program; }

  Links ExtractFromWeb(const std::string& typed) {
    ShowLinkDialog(program());
    SetFrame(program(), kWebSiteFrame);
    program().deepPromotion.dialog.webAddress = typed;
    ExtractLinksFromWebSite(program());
    EXPECT_TRUE(ExtractingFromWeb(program()));
    EXPECT_TRUE(RunEventsUntil([this] { return !ExtractingFromWeb(program()); }, kWait));
    EXPECT_TRUE(program().busy.extractFromWeb);
    EXPECT_FALSE(program().busy.extractStop);
    return program().deepPromotion.links;
  }

  WebProgram web;
  LinkSite site;
};

TEST_F(LinkExtractionTest, LocalFileKeepsOnlyWebLinksResolvedAgainstItsBase) {
  const std::string path = web.test.AppPath("links.htm");
  std::ofstream(path) << "<html><head><base href=\"http://www.example.com/dir/\"></head><body>"
                      << kLinkAnchors << "</body></html>";
  ShowLinkDialog(program());
  SetFrame(program(), kLocalFileFrame);
  program().deepPromotion.dialog.filePath = path;

  ExtractLinksFromFile(program());
  ASSERT_TRUE(
      RunEventsUntil([this] { return !program().deepPromotion.extraction.pending; }, kWait));

  EXPECT_EQ(program().deepPromotion.links,
            (Links{"http://www.example.com/dir/sub/page.html", "http://www.example.com/up.html",
                   "http://other.example/x", "https://secure.example/y"}));
}

TEST_F(LinkExtractionTest, ServedPageLinksResolveAgainstThePageAddress) {
  EXPECT_EQ(ExtractFromWeb(site.Typed("/dir/links.html")),
            (Links{site.Url("/dir/sub/page.html"), site.Url("/up.html"), "http://other.example/x",
                   "https://secure.example/y"}));
}

TEST_F(LinkExtractionTest, SitemapGivesItsPageAddresses) {
  EXPECT_EQ(ExtractFromWeb(site.Typed("/sitemap.xml")),
            (Links{"http://www.example.com", "http://www.example.com/shop.html"}));
}

TEST_F(LinkExtractionTest, SitemapIndexFetchesEverySitemapItNames) {
  EXPECT_EQ(ExtractFromWeb(site.Typed("/index.xml")),
            (Links{"http://www.example.com/one.html", "http://www.example.com/two.html"}));
}

// Both sessions submit to the same fake engines; each file must come back with its own run.
class SessionBatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    web.replyTimer.SetInterval(5000);
    for (const char* name : {"Alpha Echo", "Beta Echo"}) {
      web.AddEngine(
          EngineDefinition{name, server.Url("/echo"), kGet, "Thank you", {{"url", "%001"}}}, false);
    }
  }

  Program& program() { return web.program; }

  // Saves a session with the product's own writer: its page address and its queue.
  std::string SaveSession(const std::string& name, const std::string& address,
                          const std::vector<bool>& queued) {
    program().session.profile[1] = address;
    program().session.editor.boxText[1] = address;
    SortedList& list = program().engineLists.engineList;
    for (int row = 0; row < list.Count(); ++row) {
      list.SetMarked(row, queued[list.Rows()[row].data - 1]);
    }
    const std::string path = web.test.AppPath("SESSIONS/" + name);
    WriteSession(program(), path, false);
    return path;
  }

  std::vector<int> ResultsIn(const std::string& path) {
    TestProgram reader;
    reader.program.database = program().database;
    FillEngineLists(reader.program);
    ReadSession(reader.program, path, false);
    return {reader.program.database.Engine(1).RegistrationStatus(),
            reader.program.database.Engine(2).RegistrationStatus()};
  }

  WebProgram web;
  FakeEngineServer server;
};

TEST_F(SessionBatchRunTest, TwoSessionsRunInTurnAndKeepTheirOwnResults) {
  const std::string one = SaveSession("one.ses", "http://one.example/", {true, true});
  const std::string two = SaveSession("two.ses", "http://two.example/", {false, true});
  program().batch.sessions = {one, two};
  program().run.onlineConfirmed = true;

  RunSessionBatch(program());
  ASSERT_TRUE(BatchRunning(program()));
  ASSERT_TRUE(RunEventsUntil([this] { return !BatchRunning(program()); }, 90000));

  EXPECT_EQ(program().batch.statusText, "Batch completed. Total Sessions - 2");
  EXPECT_TRUE(program().busy.runBatch);
  EXPECT_FALSE(program().busy.batchStop);
  EXPECT_EQ(ResultsIn(one), (std::vector<int>{kSuccessful, kSuccessful}));
  EXPECT_EQ(ResultsIn(two), (std::vector<int>{kNotSubmitted, kSuccessful}));
  std::vector<std::string> submitted;
  for (const ReceivedRequest& request : server.Requests()) {
    for (const auto& [field, value] : request.fields) {
      submitted.push_back(value.toStdString());
    }
  }
  EXPECT_EQ(submitted, (std::vector<std::string>{"http://one.example/", "http://one.example/",
                                                 "http://two.example/"}));
}

}  // namespace
}  // namespace zentrova::testing
