#include "app/Forms.h"

namespace plk {

TForm1* Forms::Form1 = nullptr;
TForm2* Forms::Form2 = nullptr;
TForm3* Forms::Form3 = nullptr;
TForm4* Forms::Form4 = nullptr;
TForm5* Forms::Form5 = nullptr;
TForm6* Forms::Form6 = nullptr;

}  // namespace plk
