#include "ui/browser/form_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace zentrova {
namespace {

// Reads through the prototypes' own getters: a field named "action", "method" or "elements"
// hides the form's property of that name, and a page's script may have replaced others.
constexpr char kReadFormScript[] = R"js((function(){
  function getter(type, name) { return Object.getOwnPropertyDescriptor(type.prototype, name).get; }
  var f = document.forms[0];
  if (!f) return JSON.stringify({action: '', method: '', elements: []});
  var elements = getter(HTMLFormElement, 'elements').call(f);
  var tagName = getter(Element, 'tagName');
  var list = [];
  for (var i = 0; i < elements.length; ++i) {
    var e = elements[i];
    var tag = tagName.call(e);
    var options = [];
    if (e instanceof HTMLSelectElement) {
      var all = getter(HTMLSelectElement, 'options').call(e);
      for (var j = 0; j < all.length; ++j) {
        options.push({value: all[j].value, text: all[j].text});
      }
    }
    var value = e.value;
    list.push({name: typeof e.name === 'string' ? e.name : '',
               value: value === undefined || value === null ? '' : String(value),
               tagName: tag, options: options});
  }
  return JSON.stringify({action: getter(HTMLFormElement, 'action').call(f),
                         method: getter(HTMLFormElement, 'method').call(f), elements: list});
})())js";

std::string Utf8(const QJsonValue& value) {
  return value.toString().toUtf8().toStdString();
}

CapturedForm ToForm(const QJsonObject& object) {
  CapturedForm form;
  form.action = Utf8(object.value(QLatin1String("action")));
  form.method = Utf8(object.value(QLatin1String("method")));
  for (const QJsonValue& item : object.value(QLatin1String("elements")).toArray()) {
    const QJsonObject element = item.toObject();
    CapturedElement captured;
    captured.name = Utf8(element.value(QLatin1String("name")));
    captured.value = Utf8(element.value(QLatin1String("value")));
    captured.tagName = Utf8(element.value(QLatin1String("tagName")));
    for (const QJsonValue& option : element.value(QLatin1String("options")).toArray()) {
      captured.options.push_back({Utf8(option.toObject().value(QLatin1String("value"))),
                                  Utf8(option.toObject().value(QLatin1String("text")))});
    }
    form.elements.push_back(std::move(captured));
  }
  return form;
}

}  // namespace

void ReadFirstForm(QWebEnginePage* page, QObject* context,
                   std::function<void(const CapturedForm&)> done) {
  QPointer<QObject> alive(context);
  page->runJavaScript(QString::fromLatin1(kReadFormScript), QWebEngineScript::ApplicationWorld,
                      [alive, done = std::move(done)](const QVariant& result) {
                        if (alive.isNull()) {
                          return;
                        }
                        done(ToForm(QJsonDocument::fromJson(result.toString().toUtf8()).object()));
                      });
}

}  // namespace zentrova
