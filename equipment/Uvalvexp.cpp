// (a ser escrito)
