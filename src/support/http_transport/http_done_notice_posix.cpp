#include "support/http_transport/http_done_notice.h"

THttpDoneNotice::THttpDoneNotice(std::function<void()> deliver) : FDeliver(std::move(deliver)) {}

THttpDoneNotice::~THttpDoneNotice() = default;

void THttpDoneNotice::Post() {}
