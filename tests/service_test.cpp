// The HTTP service's answers, request by request, without sockets: both
// APIs, the page, and every status the service gives itself.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "service.h"

namespace quelvo::server {
namespace {

constexpr const char* kJson = "application/json";
constexpr const char* kForm = "application/x-www-form-urlencoded";

struct ServiceRow {
    const char* method;
    const char* path;
    const char* query;
    const char* contentType;
    const char* body;
    int status;
    const char* answerHolds;  // a piece of the body
    bool overloaded = false;
};

void PrintTo(const ServiceRow& row, std::ostream* os) { *os << row.method << ' ' << row.path << '?' << row.query << ' ' << row.body; }

class ServiceAnswers : public testing::TestWithParam<ServiceRow> {};

TEST_P(ServiceAnswers, GiveTheStatusAndTheDocumentOfTheApi) {
    static const auto opened = Translator::Open(QUELVO_BUILD_DATA);
    const auto* translator = std::get_if<Translator>(&opened);
    ASSERT_NE(translator, nullptr);
    constexpr std::size_t kSmallLimit = 60;
    const Service service(*translator, {{"k"}, kSmallLimit});
    const ServiceRow& row = GetParam();
    const ApiResponse answer = service.Handle({row.method, row.path, row.query, row.contentType, row.body, row.overloaded});
    EXPECT_EQ(answer.status, row.status);
    EXPECT_NE(answer.body.find(row.answerHolds), std::string::npos) << answer.body;
}

INSTANTIATE_TEST_SUITE_P(Rows, ServiceAnswers, testing::Values(
    ServiceRow{"POST", "/translate", "", kJson, R"({"q":"El perro come la carne.","source":"es","target":"sv","api_key":"k"})",
               200, R"({"translatedText":"Hunden äter köttet."})"},
    ServiceRow{"POST", "/translate", "", kForm, "q=El+perro+come.&source=auto&target=sv&alternatives=2&apiKey=k", 200,
               R"({"alternatives":[],"detectedLanguage":{"confidence":100.0,"language":"es"},"translatedText":"Hunden äter."})"},
    ServiceRow{"POST", "/translate", "api_key=k", kJson, R"({"q":["El perro come.","El gato"],"source":"es","target":"sv"})",
               200, R"({"translatedText":["Hunden äter.","Katten"]})"},
    ServiceRow{"POST", "/translate", "", kJson, R"({"q":"<b>El perro</b>","source":"es","target":"sv","format":"html","api_key":"k"})",
               200, R"("<b>Hunden</b>")"},
    ServiceRow{"POST", "/translate", "", kJson, R"({"source":"es","target":"sv"})", 400, "missing q parameter"},
    ServiceRow{"POST", "/translate", "", kForm, "q=Hola&source=es&target=sv&api_key=x", 403, "Invalid API key"},
    ServiceRow{"POST", "/translate", "", kForm, "q=Hola&source=fr&target=sv&api_key=k", 400, "fr is not supported"},
    ServiceRow{"POST", "/translate", "", kForm, "q=Hola&source=es&target=en&api_key=k", 400, "en is not supported"},
    ServiceRow{"POST", "/translate", "", kForm, "q=Hola&source=es&target=sv&format=pdf&api_key=k", 400, "pdf format is not supported"},
    ServiceRow{"POST", "/translate", "", kJson, R"({"q":"Hola",)", 400, "not a JSON object"},
    ServiceRow{"POST", "/translate", "", kJson, R"({"q":" \n","source":"es","target":"sv","api_key":"k"})", 400,
               "Cannot translate text: Ingen text!"},
    ServiceRow{"POST", "/translate", "", kJson, R"({"q":[1],"source":"es","target":"sv","api_key":"k"})", 400, "list of texts"},
    ServiceRow{"POST", "/translate", "", kForm,
               "q=El+perro+come+la+carne.+El+gato+bebe+leche.+El+perro+come+pan.&source=es&target=sv&api_key=k", 400,
               "request (62) exceeds text limit (60)"},
    ServiceRow{"GET", "/translate", "langpair=spa|swe&q=El+perro+come+la+xyzzy.", "", "", 200,
               R"({"responseData":{"translatedText":"Hunden äter den *xyzzy."},"responseDetails":null,"responseStatus":200})"},
    ServiceRow{"POST", "/translate", "", kForm, "langpair=es%7Csv&q=El+perro+come+la+xyzzy.&markUnknown=no", 200,
               R"("Hunden äter den xyzzy.")"},
    ServiceRow{"GET", "/translate", "langpair=spa|deu&q=Hola", "", "", 400,
               R"({"code":400,"explanation":"That pair is not installed","message":"Bad Request","status":"error"})"},
    ServiceRow{"GET", "/translate", "langpair=spa|swe", "", "", 400, "Missing q argument"},
    ServiceRow{"GET", "/listPairs", "", "", "", 200, R"("responseData":[{"sourceLanguage":"spa","targetLanguage":"swe"}])"},
    ServiceRow{"GET", "/languages", "", "", "", 200, R"([{"code":"es","name":"Spanish","targets":["sv"]},{"code":"sv")"},
    ServiceRow{"POST", "/detect", "", kForm, "q=Hola", 200, R"([{"confidence":100.0,"language":"es"}])"},
    ServiceRow{"GET", "/frontend/settings", "", "", "", 200, R"("keyRequired":true)"},
    ServiceRow{"GET", "/spec", "", "", "", 200, R"("title":"LibreTranslate")"},
    ServiceRow{"GET", "/health", "", "", "", 200, R"({"status":"ok"})"},
    ServiceRow{"GET", "/", "", "", "", 200, "Översätt"},
    ServiceRow{"OPTIONS", "/translate", "", "", "", 204, ""},
    ServiceRow{"GET", "/nowhere", "", "", "", 404, R"({"error":"Not Found"})"},
    ServiceRow{"GET", "/detect", "", "", "", 405, R"({"error":"Method Not Allowed"})"},
    ServiceRow{"POST", "/translate", "", kForm, "q=Hola&source=es&target=sv&api_key=k", 429, "Too many requests", true}));

}  // namespace
}  // namespace quelvo::server
