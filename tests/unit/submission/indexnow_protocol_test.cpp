#include "submission/indexnow_protocol.h"

#include <gtest/gtest.h>

#include <set>

namespace zentrova {
namespace {

TEST(IndexNowProtocol, KeyRules) {
  struct Case {
    std::string key;
    std::string problem;  // a part of the reason; empty: the key is good
  };
  const Case cases[] = {
      {"abcd1234", ""},
      {std::string(128, 'Z'), ""},
      {"a-B-9-z-", ""},
      {"", "no IndexNow key"},
      {"abc1234", "7 characters; it needs 8 to 128"},
      {std::string(129, 'a'), "129 characters"},
      {"abcd_1234", "\"_\""},
      {"abcd 1234", "\" \""},
      {"abcd\xE9"
       "1234",
       "\"\xE9\""},
  };
  for (const Case& c : cases) {
    const auto problem = IndexNowKeyProblem(c.key);
    if (c.problem.empty()) {
      EXPECT_FALSE(problem) << c.key << ": " << *problem;
    } else {
      ASSERT_TRUE(problem) << c.key;
      EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
  }
}

TEST(IndexNowProtocol, NewKeysAre32LowercaseHexDigitsAndDiffer) {
  std::set<std::string> keys;
  for (int i = 0; i < 20; ++i) {
    const std::string key = NewIndexNowKey();
    EXPECT_EQ(key.size(), 32u);
    EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos) << key;
    EXPECT_FALSE(IndexNowKeyProblem(key));
    keys.insert(key);
  }
  EXPECT_EQ(keys.size(), 20u);
}

// A key that cannot be sent names no default file: "/.txt" is checked by nobody, and saying
// that its check failed would send the user looking for it.
TEST(IndexNowProtocol, KeyFileAddress) {
  struct Case {
    std::string page;
    std::string given;
    std::string expected;
    std::string key = "k1234567";
  };
  const Case cases[] = {
      {"https://Example.com/shop/index.htm", "", "https://Example.com/k1234567.txt"},
      {"http://user:pw@127.0.0.1:8080/a?b#c", "", "http://127.0.0.1:8080/k1234567.txt"},
      {"HTTPS://example.com", "", "https://example.com/k1234567.txt"},
      {"https://example.com/", "  https://example.com/keys/k.txt ",
       "https://example.com/keys/k.txt"},
      {"ftp://example.com/", "", ""},
      {"example.com/index.htm", "", ""},
      {"https://example.com/", "", "", ""},
      {"https://example.com/", "", "", "short"},
      {"https://example.com/", "https://example.com/keys/k.txt", "https://example.com/keys/k.txt",
       ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyFileAddress(c.page, c.key, c.given), c.expected) << c.page << " " << c.key;
  }
}

TEST(IndexNowProtocol, SendsThePageAndTheLinksOnItsHostInListOrder) {
  const auto addresses = SelectIndexNowAddresses(
      "https://www.example.com/index.htm",
      {"https://WWW.example.com/b.htm", "https://other.example/x.htm",
       "http://www.example.com:8080/a.htm", "https://www.example.com/index.htm",
       "https://example.com/c.htm", "mailto:me@www.example.com", "https://www.example.com/b.htm",
       "https://www.example.com.evil.example/", "https://evil.example/@www.example.com/"});
  EXPECT_EQ(addresses.sent,
            (std::vector<std::string>{
                "https://www.example.com/index.htm", "https://WWW.example.com/b.htm",
                "http://www.example.com:8080/a.htm", "https://www.example.com/b.htm"}));
  EXPECT_EQ(
      addresses.leftOut,
      (std::vector<std::string>{
          "https://other.example/x.htm", "https://example.com/c.htm", "mailto:me@www.example.com",
          "https://www.example.com.evil.example/", "https://evil.example/@www.example.com/"}));
}

TEST(IndexNowProtocol, NoLinkGoesWithAPageThatIsNoWebAddress) {
  const auto addresses = SelectIndexNowAddresses("index.htm", {"https://example.com/"});
  EXPECT_EQ(addresses.sent, std::vector<std::string>{"index.htm"});
  EXPECT_EQ(addresses.leftOut, std::vector<std::string>{"https://example.com/"});
}

TEST(IndexNowProtocol, SplitsPastTenThousandAddresses) {
  const std::pair<size_t, size_t> cases[] = {{1, 1}, {10000, 1}, {10001, 2}, {25000, 3}};
  for (const auto& [count, requests] : cases) {
    EXPECT_EQ(IndexNowRequestCount(count), requests) << count;
  }
  std::vector<std::string> addresses;
  for (int i = 0; i < 10002; ++i) {
    addresses.push_back("https://a.example/" + std::to_string(i));
  }
  const std::string second = IndexNowBody("a.example", "k1234567", "https://a.example/k.txt",
                                          addresses, kMaxIndexNowAddresses, kMaxIndexNowAddresses);
  EXPECT_EQ(second,
            "{\"host\":\"a.example\",\"key\":\"k1234567\",\"keyLocation\":\"https://a.example/"
            "k.txt\",\"urlList\":[\"https://a.example/10000\",\"https://a.example/10001\"]}");
}

TEST(IndexNowProtocol, BodyEscapesQuotesAndControlsAndCarriesUtf8) {
  const std::string body =
      IndexNowBody("xn--caf-dma.example", "k1234567", "https://a.example/k.txt",
                   {"https://a.example/caf\xE9?q=\"x\"\\y", "https://a.example/\x80\t\x01"}, 0, 2);
  EXPECT_EQ(
      body,
      "{\"host\":\"xn--caf-dma.example\",\"key\":\"k1234567\",\"keyLocation\":"
      "\"https://a.example/k.txt\",\"urlList\":[\"https://a.example/caf\xC3\xA9?q=\\\"x\\\"\\\\y\","
      "\"https://a.example/\xE2\x82\xAC\\t\\u0001\"]}");
}

TEST(IndexNowProtocol, VerdictForEachAnswer) {
  struct Case {
    HttpAnswer answer;
    bool accepted;
    std::string meaning;
  };
  const Case cases[] = {
      {{200, "", ""}, true, "OK"},
      {{202, "", ""}, true, "key not yet verified"},
      {{400, "", ""}, false, "Bad request"},
      {{403, "Key not valid", ""}, false, "key is not valid"},
      {{422, "", ""}, false, "not on the host"},
      {{429, "", ""}, false, "Too Many Requests"},
      {{204, "", ""}, false, "Unexpected answer: HTTP 204"},
      {{500, "", ""}, false, "HTTP 500"},
      {{0, "", "Connection refused"}, false, "No answer: Connection refused"},
  };
  for (const Case& c : cases) {
    const IndexNowVerdict verdict = JudgeIndexNowAnswer(c.answer);
    EXPECT_EQ(verdict.accepted, c.accepted) << c.answer.status;
    EXPECT_NE(verdict.meaning.find(c.meaning), std::string::npos) << verdict.meaning;
  }
}

TEST(IndexNowProtocol, KeyFileCheck) {
  struct Case {
    HttpAnswer answer;
    bool found;
    std::string reason;
  };
  const Case cases[] = {
      {{200, "k1234567", ""}, true, "found"},
      {{200, " \r\nk1234567\n", ""}, true, "found"},
      {{200, "\xEF\xBB\xBFk1234567\r\n", ""}, true, "found"},
      {{200, "K1234567", ""}, false, "holds another key"},
      {{200, "k1234567 k1234567", ""}, false, "holds another key"},
      {{200, "  \n", ""}, false, "empty"},
      {{404, "k1234567", ""}, false, "not found (HTTP 404)"},
      {{500, "", ""}, false, "HTTP 500"},
      {{0, "", "Host not found"}, false, "no answer: Host not found"},
  };
  for (const Case& c : cases) {
    const KeyFileVerdict verdict = JudgeKeyFileAnswer(c.answer, "k1234567");
    EXPECT_EQ(verdict.found, c.found) << c.answer.body;
    EXPECT_NE(verdict.reason.find(c.reason), std::string::npos) << verdict.reason;
  }
}

}  // namespace
}  // namespace zentrova
