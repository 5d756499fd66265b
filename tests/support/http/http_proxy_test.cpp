#include <gtest/gtest.h>


#include "http_test_hex.h"
#include "http_test_server.h"
#include "support/proxy_auth/base64.h"
#include "support/proxy_auth/digest_auth.h"
#include "support/proxy_auth/hmac_md5.h"
#include "support/http/http_client.h"
#include "support/proxy_auth/ntlm.h"

namespace {

const char kUser[] = "DOM\\alice";
const char kPassword[] = "s3cret";
const std::string kServerChallenge = HexToBytes("0123456789abcdef");
const std::string kTargetInfo = HexToBytes("02000600 44004f004d00 00000000");  // domain "DOM"

std::string Challenge407(const std::string& proxyAuthenticate) {
  return Answer("407 Proxy Authentication Required", "<html>login</html>", proxyAuthenticate);
}

std::string NtlmChallengeMessage() {
  std::string message = std::string("NTLMSSP\0\2\0\0\0", 12) + std::string(8, '\0');
  message += HexToBytes("01028a00") + kServerChallenge + std::string(8, '\0');  // Unicode, NTLM, target info
  message += HexToBytes("0e000e00 30000000") + kTargetInfo;
  return message;
}

uint32_t Get32(const std::string& bytes, size_t at) {
  return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

std::string Field(const std::string& message, size_t at) { return message.substr(Get32(message, at + 4), Get32(message, at) & 0xffff); }

std::string Utf16ToAscii(const std::string& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); i += 2) text += bytes[i];
  return text;
}

// What a proxy would check: the NTLMv2 proof recomputed from the password it knows.
bool NtlmProofIsRight(const std::string& authorization) {
  const auto message = Base64Decode(authorization.substr(5));
  if (!message || message->size() < 64 || Get32(*message, 8) != 3) return false;
  const std::string nt = Field(*message, 20);
  const std::string domain = Utf16ToAscii(Field(*message, 28)), user = Utf16ToAscii(Field(*message, 36));
  if (nt.size() < 48 || domain != "DOM" || user != "alice") return false;
  const std::string key = DigestToBytes(NtOwfV2(user, kPassword, domain));
  return DigestToBytes(HmacMd5(key, kServerChallenge + nt.substr(16))) == nt.substr(0, 16);
}

bool DigestIsRight(const std::string& authorization) {
  const auto parsed = ParseAuthChallenges(authorization);  // same parameter syntax
  if (parsed.size() != 1 || !parsed[0].IsScheme("Digest")) return false;
  const auto& p = parsed[0];
  TDigestChallenge challenge{p.Param("realm").value_or(""), p.Param("nonce").value_or(""), std::nullopt, std::nullopt, false,
                             p.Param("qop") == std::optional<std::string>("auth")};
  const TDigestRequest request{"GET", p.Param("uri").value_or(""), p.Param("username").value_or(""), kPassword,
                               p.Param("cnonce").value_or(""), uint32_t(std::stoul(p.Param("nc").value_or("0"), nullptr, 16))};
  return p.Param("nonce") == std::optional<std::string>("abc123") &&
         p.Param("uri") == std::optional<std::string>("http://site.example/file.ini") &&
         p.Param("response") == std::optional<std::string>(DigestResponse(challenge, request));
}

// A proxy that wants `scheme`, offering all three; NTLM's handshake must stay on one connection.
TTestServer::TScript AuthProxy(const std::string& scheme) {
  return [scheme](TTestConnection& connection) {
    const std::string offer = "Proxy-Authenticate: Basic realm=\"test\"\r\nProxy-Authenticate: NTLM\r\n"
                              "Proxy-Authenticate: Digest realm=\"test\", nonce=\"abc123\", qop=\"auth\"\r\n";
    for (std::string request; !(request = connection.ReadRequest()).empty();) {
      const std::string authorization = RequestHeader(request, "Proxy-Authorization");
      bool granted = false;
      if (scheme == "NTLM" && authorization.rfind("NTLM ", 0) == 0) {
        const auto type = Base64Decode(authorization.substr(5));
        if (type && type->size() > 8 && (*type)[8] == 1) {
          connection.Send(Challenge407("Proxy-Authenticate: NTLM " + Base64Encode(NtlmChallengeMessage()) + "\r\n"));
          continue;
        }
        granted = NtlmProofIsRight(authorization);
      } else if (scheme == "Digest" && authorization.rfind("Digest ", 0) == 0) {
        granted = DigestIsRight(authorization);
      } else if (scheme == "Basic" && authorization.rfind("Basic ", 0) == 0) {
        granted = Base64Decode(authorization.substr(6)) == std::string(kUser) + ":" + kPassword;
      }
      const std::string wanted = scheme == "NTLM" ? "Proxy-Authenticate: NTLM\r\n"
                                 : scheme == "Basic" ? "Proxy-Authenticate: Basic realm=\"test\"\r\n"
                                                     : "Proxy-Authenticate: Digest realm=\"test\", nonce=\"abc123\", qop=\"auth\"\r\n";
      connection.Send(granted ? Answer("200 OK", "links") : Challenge407(authorization.empty() ? (scheme == "NTLM" ? offer : wanted) : wanted));
    }
  };
}

struct TOutcome {
  uint16_t Code = 0xffff;
  int Status = 0;
  std::string Body;
  std::string Raised;  // what Get raised; 407 is not raised
};

TOutcome GetThrough(const TTestServer& proxy, const std::string& user, const std::string& password) {
  THttpClient client;
  std::string body;
  TOutcome outcome;
  client.SetURL("http://site.example/file.ini");
  client.SetProxy("127.0.0.1");
  client.SetProxyPort(std::to_string(proxy.Port()));
  client.SetProxyUsername(user);
  client.SetProxyPassword(password);
  client.SetRcvdStream(&body);
  client.SetOnRequestDone([&](THttpClient*, THttpRequestType, uint16_t code) { outcome.Code = code; });
  try {
    client.Get();
  } catch (const EHttpError& error) {
    outcome.Raised = error.what();
  }
  outcome.Status = client.StatusCode();
  outcome.Body = body;
  return outcome;
}

}  // namespace

TEST(HttpProxyTest, NtlmHandshakeRunsOnOneConnection) {
  TTestServer proxy(AuthProxy("NTLM"));
  const TOutcome outcome = GetThrough(proxy, kUser, kPassword);
  EXPECT_EQ(outcome.Code, 0);
  EXPECT_EQ(outcome.Status, 200);
  EXPECT_EQ(outcome.Body, "links");
  const auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(RequestHeader(requests[0], "Proxy-Authorization"), "");  // nothing sent up front
  EXPECT_EQ(RequestHeader(requests[1], "Proxy-Authorization").substr(0, 5), "NTLM ");
  EXPECT_EQ(proxy.Connections(), 1);
}

TEST(HttpProxyTest, DigestAndBasicAnswerTheirChallenge) {
  for (const char* scheme : {"Digest", "Basic"}) {
    TTestServer proxy(AuthProxy(scheme));
    const TOutcome outcome = GetThrough(proxy, kUser, kPassword);
    EXPECT_EQ(outcome.Status, 200) << scheme;
    EXPECT_EQ(outcome.Body, "links") << scheme;
    ASSERT_EQ(proxy.Requests().size(), 2u) << scheme;
    EXPECT_EQ(RequestHeader(proxy.Requests()[1], "Proxy-Authorization").substr(0, std::string(scheme).size() + 1), std::string(scheme) + " ");
  }
}

TEST(HttpProxyTest, WrongPasswordEndsWithTheProxysRefusal) {
  for (const char* scheme : {"NTLM", "Digest", "Basic"}) {
    TTestServer proxy(AuthProxy(scheme));
    const TOutcome outcome = GetThrough(proxy, kUser, "wrong");
    EXPECT_EQ(outcome.Code, 0) << scheme;
    EXPECT_EQ(outcome.Status, 407) << scheme;
    EXPECT_EQ(outcome.Body, "<html>login</html>") << scheme;
    EXPECT_LE(proxy.Requests().size(), 4u) << scheme;
  }
}

TEST(HttpProxyTest, AUserNameWithoutPasswordSendsNoCredentials) {
  TTestServer proxy(AuthProxy("Basic"));
  const TOutcome outcome = GetThrough(proxy, kUser, "");
  EXPECT_EQ(outcome.Status, 407);
  EXPECT_EQ(outcome.Raised, "");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(RequestHeader(proxy.Requests()[0], "Proxy-Authorization"), "");
}

TEST(HttpProxyTest, CredentialsOrChallengeValuesWithALineBreakOrNulAreNeverSent) {
  // A Digest answer echoes the realm and the nonce inside its header line.
  TTestServer hostile([](TTestConnection& connection) {
    while (!connection.ReadRequest().empty())
      connection.Send(Challenge407("Proxy-Authenticate: Digest realm=\"te\rX-Injected: 1\", nonce=\"abc123\"\r\n"));
  });
  const TOutcome echoed = GetThrough(hostile, kUser, kPassword);
  EXPECT_EQ(echoed.Code, kHttpErrorAborted);
  EXPECT_NE(echoed.Raised.find("CR, LF or NUL"), std::string::npos) << echoed.Raised;
  EXPECT_EQ(hostile.Requests().size(), 1u);

  // The user name and the password come from the registry as they were stored.
  const std::vector<std::pair<std::string, std::string>> credentials = {
      {"alice\r\nX-Injected: 1", kPassword}, {kUser, "s3cret\n"}, {std::string("ali\0ce", 6), kPassword}};
  for (const auto& [user, password] : credentials) {
    for (const char* scheme : {"Digest", "Basic"}) {
      TTestServer proxy(AuthProxy(scheme));
      const TOutcome outcome = GetThrough(proxy, user, password);
      EXPECT_EQ(outcome.Code, kHttpErrorAborted) << scheme;
      EXPECT_NE(outcome.Raised.find("CR, LF or NUL"), std::string::npos) << outcome.Raised;
      EXPECT_EQ(proxy.Requests().size(), 1u) << scheme;  // only the first, without credentials
    }
  }
}
