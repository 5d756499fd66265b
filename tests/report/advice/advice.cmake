modulix_add_test(advice_rules_test PORTABLE
  SOURCES advice_texts_test.cpp
  LIBS modulix_advice_rules)
